// Previews: the document handed to one of the outside programs of the settings.
#pragma once

#include <QString>
#include <QStringList>

inline constexpr const char* kUnknownFileNameMessage = "Uncnown file name!";
inline constexpr const char* kLaunchErrorMessage = "Error on launch application.\nCheck Quillan preferences.";
inline constexpr const char* kPreviewWriteErrorMessage =
    "Unable to save file!\nCheck you access rights to select drive";

// What a preview needs from the main window.
class TPreviewHost {
 public:
  virtual ~TPreviewHost() = default;
  virtual QString DocFileName() = 0;
  // Writes the editor's lines as they stand, each followed by CR LF.
  virtual bool WriteDocument(const QString& fileName) = 0;
  virtual void ShowInfo(const QString& text) = 0;
  virtual void ShowError(const QString& text) = 0;
  virtual bool StartProgram(const QString& program, const QStringList& arguments) = 0;
};

// Writes the document and starts the program with the document path as its one argument.
// True when a program was started or tried.
bool LaunchWith(TPreviewHost& host, const QString& programPath);

// Starts a program detached from us; false when it could not be started.
bool StartDetachedProgram(const QString& program, const QStringList& arguments);

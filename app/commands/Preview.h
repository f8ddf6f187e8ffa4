// Previews: the document handed to one of the outside programs of the settings. The program gets a
// temporary copy of the text as it stands (in the document's encoding, or in UTF-8 when that cannot
// hold it), never the user's file: a hidden file beside the document, so
// that relative pictures, style sheets and scripts resolve, or one in the temporary folder for a document
// that was never saved or whose folder cannot be written.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <string_view>

#include "TextEncoding.h"

class QTemporaryFile;

inline constexpr const char* kUnknownFileNameMessage = "Uncnown file name!";
inline constexpr const char* kLaunchErrorMessage = "Error on launch application.\nCheck Quillan preferences.";
inline constexpr const char* kPreviewWriteErrorMessage =
    "Unable to save file!\nCheck you access rights to select drive";

// What a preview needs from the main window.
class TPreviewHost {
 public:
  virtual ~TPreviewHost() = default;
  virtual QString DocFileName() = 0;
  // Whether the document has its file on disk (it was loaded or saved).
  virtual bool DocumentOnDisk() = 0;
  // The editor's lines as they stand (1-based) and the line break the document is saved with.
  virtual int LineCount() = 0;
  virtual std::string_view Line(int Y) = 0;
  virtual std::string_view LineBreak() = 0;
  // The encoding the document is saved in.
  virtual TEncoding Encoding() { return {}; }
  virtual void ShowInfo(const QString& text) = 0;
  virtual void ShowError(const QString& text) = 0;
  virtual bool StartProgram(const QString& program, const QStringList& arguments) = 0;
};

// The one temporary copy shown by previews; the next preview replaces it, and it goes with its owner.
class TPreviewCopy {
 public:
  TPreviewCopy();
  ~TPreviewCopy();
  // Writes the host's text to a new copy and returns its path; empty on failure.
  QString Write(TPreviewHost& host);

 private:
  std::unique_ptr<QTemporaryFile> FFile;
};

// A program setting as program and arguments, split as a shell would ("firefox --new-window"); a setting
// that names an existing program as a whole (a path with blanks) is that program.
QStringList SplitProgramSetting(const QString& setting);

// Writes the copy and starts the program with its path as the last argument. True when a program was
// started or tried.
bool LaunchWith(TPreviewHost& host, TPreviewCopy& copy, const QString& programPath);

// Starts a program detached from us; false when it could not be started.
bool StartDetachedProgram(const QString& program, const QStringList& arguments);

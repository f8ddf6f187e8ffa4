// Message boxes and file dialogs that tests answer, and a main window made for a test.
#pragma once

#include <QHash>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <deque>
#include <memory>

#include "EncodingDlg.h"
#include "FileBytes.h"
#include "FileDlg.h"
#include "FormStorage.h"
#include "MsgDlg.h"
#include "QtPrinters.h"
#include "QtTestApp.h"
#include "main.h"

struct TShownBox {
  QString Text;
  TMsgDlgType Type;
  int Buttons;
};

// Answers message boxes from a queue (an empty queue answers Cancel, or OK for a box without
// Cancel) and remembers what was shown.
class TScriptedBoxes : public TMessageBoxes {
 public:
  TScriptedBoxes() { SetMessageBoxes(this); }
  ~TScriptedBoxes() override { SetMessageBoxes(nullptr); }

  TModalResult Show(QWidget*, const QString& Text, TMsgDlgType Type, int Buttons) override {
    Shown.push_back({Text, Type, Buttons});
    if (Answers.empty()) return (Buttons & mbCancel) ? mrCancel : mrOk;
    const TModalResult answer = Answers.front();
    Answers.pop_front();
    return answer;
  }

  std::deque<TModalResult> Answers;
  std::deque<TShownBox> Shown;
};

// Answers file dialogs with the next queued name ("" = cancelled) and remembers the questions.
class TScriptedFileDialogs : public TFileDialogs {
 public:
  TScriptedFileDialogs() { SetFileDialogs(this); }
  ~TScriptedFileDialogs() override { SetFileDialogs(nullptr); }

  QString OpenFileName(QWidget*, const QString&, const QString& Filter) override {
    LastFilter = Filter;
    return Next();
  }
  QString SaveFileName(QWidget*, const QString&, const QString& Filter, const QString& DefaultExt,
                       const QString&) override {
    LastFilter = Filter;
    LastDefaultExt = DefaultExt;
    ++SaveQuestions;
    return Next();
  }

  QStringList Names;
  QString LastFilter, LastDefaultExt;
  int SaveQuestions = 0;

 private:
  QString Next() { return Names.isEmpty() ? QString() : Names.takeFirst(); }
};

// Answers the encoding choice with the next queued name ("" = cancelled) and remembers what was offered.
class TScriptedEncodingDialogs : public TEncodingDialogs {
 public:
  TScriptedEncodingDialogs() { SetEncodingDialogs(this); }
  ~TScriptedEncodingDialogs() override { SetEncodingDialogs(nullptr); }

  bool Choose(QWidget*, const QString& Title, const TEncoding& Current, TEncoding* Chosen) override {
    LastTitle = Title;
    Offered = Current;
    return !Names.isEmpty() && EncodingFromName(Names.takeFirst().toStdString(), Chosen);
  }

  QStringList Names;
  QString LastTitle;
  TEncoding Offered;
};

// A shown main window started with Args, on fresh settings but for the Stored values (name, text).
inline std::unique_ptr<TMainForm> ShownMainForm(const QStringList& Args = {},
                                                const QHash<QString, QString>& Stored = {}) {
  EnsureQtApp();
  QSettings(QStringLiteral("Orvex"), QStringLiteral("QN")).clear();
  if (!Stored.isEmpty()) {
    TFormStorage storage;
    storage.ReadValues();
    for (auto at = Stored.begin(); at != Stored.end(); ++at) storage.WriteString(at.key(), at.value());
    storage.WriteValues();
  }
  auto form = std::make_unique<TMainForm>(Args);
  form->show();
  form->OpenStartDocument();
  return form;
}

// The main window's side of the settings: the start-up sequence, Apply, the Setup command and the
// language file.
#include <QCoreApplication>
#include <QList>
#include <QMenu>
#include <QTimer>

#include "FormStorage.h"
#include "IniLang.h"
#include "MsgDlg.h"
#include "main.h"
#include "setup.h"
#include "xeCustomEdit.h"

void TMainForm::CreateSettings() {
  FormStorage = new TFormStorage(this);
  FormStorage->setObjectName(QStringLiteral("FormStorage"));
  FormStorage->Attach(this);
  SetupForm = new TSetupForm(this);
  SetupForm->OnApplySettings = [this](const TSettingsValues& Values) { ApplySettings(Values); };
}

void TMainForm::LoadSettings() {
  RunSettingsStartup(*SetupForm, *FormStorage, DefFn);
  // Said once, when the window is up: the settings file could not be read (it is not a plain file).
  if (!FormStorage->Problem().isEmpty())
    QTimer::singleShot(0, this, [this] { MessageDlg(FormStorage->Problem(), mtWarning, mbOK, this); });
}

void TMainForm::ApplySettings(const TSettingsValues& Values) {
  SetEditorFont(SettingsFont(FBaseFont, Values.FontName, Values.FontSize));
  // Menus that auto-hide took away come back as soon as it is turned off.
  if (AutoHide && !Values.AutoHide)
    for (const char* name : {"HTML1", "JavaScript1", "CSS1"})
      Menu(QString::fromLatin1(name))->menuAction()->setVisible(true);
  AutoHide = Values.AutoHide;
  Highlite = Values.HighlightEnabled;
  NetscapePath = Values.Netscape;
  MSIEPath = Values.MSIE;
  CustomPath = Values.Custom;
  ExtendedPath = Values.Extended;
  UserName = Values.UserName;
  UserEMail = Values.UserEmail;
  UserURL = Values.UserUrl;
  DefFn = Values.DefaultFileName;
  DefFT = Values.DefaultFileType;
  LineBreaks = Values.LineBreaks;
  KeepTabs = Values.KeepTabs;
  Memo1->SetMaxUndo(Values.UndoLevels);
  ModernHTML = Values.ModernHTML;
  RelativeLinks = Values.RelativeLinks;
  EightBit = Values.EightBit;
  if (StartupGuard) {
    StartupGuard = false;
    return;
  }
  // A type switch of the command line holds for the document it came with; a file still to be read
  // from there is the document already.
  if (Highlite)
    SetDocType(FTypeSwitch >= 0 ? FTypeSwitch : DocTypeOf(FStartFile.isEmpty() ? DocFileName : FStartFile));
  else
    EditorSetHighLighter(dtNone);
}

void TMainForm::Setup1Click() { SetupForm->exec(); }

void TMainForm::ApplyLanguageFile() {
  FLanguage = OpenLanguageFile(QString::fromLatin1(LanguageFileName), QString(),
                               CodePageEncoding(EightBit.toStdString()));
  if (FLanguage) ApplyLanguage({this, SetupForm}, *FLanguage);
}

#include "InsertMarkupCommands.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>

#include "ConversionCommands.h"
#include "DocumentFile.h"
#include "FileDlg.h"
#include "GoToWeb.h"
#include "InsertMarkup.h"
#include "LinkCommands.h"
#include "LinkCommandsPicDlg.h"
#include "MemoryReport.h"
#include "MsgDlg.h"
#include "Preview.h"
#include "main.h"
#include "xeCustomEdit.h"

namespace {

constexpr const char* kOpenDlgFilter =
    "HTML files|*.htm?;*.?htm?;*.htm|Style Sheets|*.css|JavaScript files|*.js|"
    "Text files|*.txt;*.me;*.diz;*.log|All files|*.*";
constexpr const char* kOpenLinkedFilter = "URL Shortcuts (*.url)|*.url";

// The main window as a preview sees it.
class TMainPreviewHost : public TPreviewHost {
 public:
  explicit TMainPreviewHost(TMainForm& form) : FForm(form), FBreak(LineBreakBytes(form.SaveForm().Break)) {}
  QString DocFileName() override { return FForm.DocFileName; }
  bool DocumentOnDisk() override { return FForm.DocumentOnDisk(); }
  int LineCount() override { return FForm.Memo1->LineCount(); }
  std::string_view Line(int Y) override { return FForm.Memo1->LineText(Y); }
  std::string_view LineBreak() override { return FBreak; }
  TEncoding Encoding() override { return FForm.DocEncoding(); }
  void ShowInfo(const QString& text) override { MessageDlg(text, mtInformation, mbOK, &FForm); }
  void ShowError(const QString& text) override { MessageDlg(text, mtError, mbOK, &FForm); }
  bool StartProgram(const QString& program, const QStringList& arguments) override {
    return StartDetachedProgram(program, arguments);
  }

 private:
  TMainForm& FForm;
  std::string_view FBreak;
};

void On(TMainForm& form, const char* name, std::function<void()> handler) {
  if (QAction* action = form.Action(QString::fromLatin1(name)))
    QObject::connect(action, &QAction::triggered, &form, std::move(handler));
}

// The window's Setup choices for links and pictures; relative paths only for a document on disk.
TLinkStyle LinkStyle(const TMainForm& form) {
  TLinkStyle style;
  style.Modern = form.ModernHTML;
  if (form.RelativeLinks && form.DocumentOnDisk())
    style.BaseFolder = QFile::encodeName(QFileInfo(form.DocFileName).absolutePath()).toStdString();
  return style;
}

void Linktofile1Click(TMainForm& form) {
  const QString name = FileDialogs().OpenFileName(&form, "Open", kOpenDlgFilter);
  if (name.isEmpty()) return;
  InsertLinkToFile(*form.Memo1, QFile::encodeName(name).toStdString(), LinkStyle(form));
}

void ReportUnreadable(TMainForm& form, const QString& name, const std::string& why) {
  QString text = QString("Cannot open file %1").arg(name);
  if (!why.empty()) text += "\n\n" + QString::fromLocal8Bit(why.c_str());
  MessageDlg(text, mtError, mbOK, &form);
}

void URLfromfile1Click(TMainForm& form) {
  const QString name = FileDialogs().OpenFileName(&form, "Open", kOpenLinkedFilter);
  if (name.isEmpty()) return;
  std::string why;
  if (!InsertUrlFromFile(*form.Memo1, QFile::encodeName(name).toStdString(), &why, LinkStyle(form)))
    ReportUnreadable(form, name, why);
}

void Imagefromfile1Click(TMainForm& form) {
  const QString name = PickPicture(&form);
  if (name.isEmpty()) return;
  std::string why;
  if (!InsertImageFromFile(*form.Memo1, QFile::encodeName(name).toStdString(), &why, LinkStyle(form)))
    ReportUnreadable(form, name, why);
}

}  // namespace

void InstallMarkupCommands(TMainForm& form) {
  for (const TMarkupItem& item : MarkupItems())
    On(form, item.Name, [&form, &item] { InsertMarkupItem(*form.Memo1, item, form.ModernHTML); });
  On(form, "Author1", [&form] { InsertAuthor(*form.Memo1, form.UserName.toStdString(), form.ModernHTML); });
  On(form, "Linktofile1", [&form] { Linktofile1Click(form); });
  On(form, "URLfromfile1", [&form] { URLfromfile1Click(form); });
  On(form, "Imagefromfile1", [&form] { Imagefromfile1Click(form); });

  for (const TConversionItem& item : ConversionItems()) {
    On(form, item.Name, [&form, &item] {
      RunWithinMemory(&form, [&form, &item] {
        RunConversion(*form.Memo1, item.Convert, [&form] {
          return MessageDlg(kApplyToAllQuestion, mtWarning, mbYes | mbCancel, &form) == mrYes;
        });
      });
    });
  }

  const std::pair<const char*, QString TMainForm::*> previews[] = {
      {"Netscape1", &TMainForm::NetscapePath},
      {"MSIE1", &TMainForm::MSIEPath},
      {"Custon1", &TMainForm::CustomPath},
      {"Openinextended1", &TMainForm::ExtendedPath},
  };
  // One copy for all previews, removed with the window.
  auto copy = std::make_shared<TPreviewCopy>();
  for (const auto& [name, path] : previews) {
    On(form, name, [&form, path, copy] {
      TMainPreviewHost host(form);
      LaunchWith(host, *copy, form.*path);
    });
  }

  auto* web = new TGoToWeb(&form);
  On(form, "OrvexSoftwareonline1", [web] {
    web->Url = kMakerWebSite;
    web->OpenUrl();
  });
  On(form, "OrvexNetcsnter1", [web] {
    web->Url = kMakerCenterPage;
    web->OpenUrl();
  });
}

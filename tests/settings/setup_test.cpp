#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontComboBox>
#include <QLineEdit>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>

#include "FilenameEdit.h"
#include "FormStorage.h"
#include "settings_support.h"
#include "setup.h"

namespace {

class SetupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearStoredSettings();
    Form.OnApplySettings = [this](const TSettingsValues& v) { Applied.push_back(v); };
    Form.SetStorage(&Storage);
  }
  void TearDown() override { ClearStoredSettings(); }

  TFormStorage Storage;
  TSetupForm Form;
  std::vector<TSettingsValues> Applied;
};

TEST_F(SetupTest, DialogOpensOnProgramLocationsWithItsControls) {
  EXPECT_EQ(Form.PageControl1->tabText(Form.PageControl1->currentIndex()), "Program Locations");
  // The language file and the main window find the controls by these names.
  for (const char* name :
       {"NameEd", "eMailEd", "HomepageEd", "FontBox", "FontSpn", "AutoHideChk", "HighliteChk", "DefFnEd",
        "DefFTBox", "LineBreakBox", "KeepTabsChk", "EightBitBox", "NetscapeEd", "MSIEEd", "CustomEd",
        "ExtendedEd", "ApplyBtn", "CancelBtn", "HelpBtn"})
    EXPECT_NE(Form.findChild<QWidget*>(name), nullptr) << name;
}

TEST_F(SetupTest, FirstStartFillsTheFirstRunDefaults) {
  QSettings("Orvex", "Tarn3").setValue("Path", "/opt/tarn/tarn3");
  Storage.ReadValues();
  RunSettingsStartup(Form, Storage, "/home/ann/untitled");

  // Applied twice: directly and through the Apply button.
  ASSERT_EQ(Applied.size(), 2u);
  for (const TSettingsValues& v : Applied) {
    EXPECT_EQ(v.FontName, "Courier New");
    EXPECT_EQ(v.FontSize, 10);
    EXPECT_TRUE(v.HighlightEnabled);
    EXPECT_FALSE(v.AutoHide);
    EXPECT_EQ(v.DefaultFileName, "/home/ann/untitled");
    EXPECT_EQ(v.DefaultFileType, 0);
    EXPECT_EQ(v.Extended, "/opt/tarn/tarn3");
  }
  // The Apply button stored every value, the marker included.
  EXPECT_TRUE(Storage.ReadBool("notfirst"));
  EXPECT_EQ(Storage.ReadString("fontname"), "Courier New");
  EXPECT_EQ(Storage.ReadInteger("fontsize"), 10);
  EXPECT_EQ(Storage.ReadString("DefFn"), "/home/ann/untitled");
  EXPECT_EQ(Storage.ReadString("extended"), "/opt/tarn/tarn3");
  EXPECT_TRUE(Storage.ReadBool("highlite"));
}

TEST_F(SetupTest, FirstStartFindsBrowsersInPathButKeepsAUsersValue) {
  QTemporaryDir bin;
  ASSERT_TRUE(bin.isValid());
  auto program = [&](const char* Name) {
    QFile file(bin.filePath(Name));
    file.open(QIODevice::WriteOnly);
    file.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    return bin.filePath(Name);
  };
  const QByteArray oldPath = qgetenv("PATH");
  qputenv("PATH", QFile::encodeName(bin.path()));
  struct Case {
    std::vector<const char*> Programs;
    const char* StoredMSIE;
    QString Netscape, MSIE;
  };
  const Case cases[] = {
      {{}, "", "", ""},
      {{"firefox", "google-chrome"}, "", bin.filePath("firefox"), bin.filePath("google-chrome")},
      {{"firefox-esr", "chromium"}, "", bin.filePath("firefox-esr"), bin.filePath("chromium")},
      {{"chromium"}, "/opt/my/browser", "", "/opt/my/browser"},
  };
  for (const Case& c : cases) {
    for (const char* name : c.Programs) program(name);
    ClearStoredSettings();
    QSettings("Orvex", "QN").setValue("msie", c.StoredMSIE);
    TFormStorage storage;
    storage.ReadValues();
    TSetupForm form;
    RunSettingsStartup(form, storage, DefaultUntitledName());
    EXPECT_EQ(storage.ReadString("netscape"), c.Netscape);
    EXPECT_EQ(storage.ReadString("msie"), c.MSIE);
    for (const char* name : c.Programs) QFile::remove(bin.filePath(name));
  }
  qputenv("PATH", oldPath);
}

TEST_F(SetupTest, FirstStartWithoutTheSiblingProductLeavesExtendedEmpty) {
  Storage.ReadValues();
  RunSettingsStartup(Form, Storage, DefaultUntitledName());
  ASSERT_FALSE(Applied.empty());
  EXPECT_EQ(Applied.back().Extended, "");
  EXPECT_EQ(Applied.back().DefaultFileName, DefaultUntitledName());
}

TEST_F(SetupTest, LaterStartsKeepTheStoredValues) {
  {
    QSettings raw("Orvex", "QN");
    raw.setValue("notfirst", "True");
    raw.setValue("fontname", "Mono Lisa");
    raw.setValue("fontsize", "14");
    raw.setValue("highlite", "False");
    raw.setValue("autohide", "True");
    raw.setValue("DefFn", "/work/new");
    raw.setValue("DefFT", "1");
    raw.setValue("extended", "/usr/bin/ed");
    raw.setValue("username", "Ann");
  }
  QSettings("Orvex", "Tarn3").setValue("Path", "/opt/tarn/tarn3");
  Storage.ReadValues();
  RunSettingsStartup(Form, Storage, DefaultUntitledName());
  ASSERT_EQ(Applied.size(), 2u);
  const TSettingsValues& v = Applied.back();
  EXPECT_EQ(v.FontName, "Mono Lisa");
  EXPECT_EQ(v.FontSize, 14);
  EXPECT_FALSE(v.HighlightEnabled);
  EXPECT_TRUE(v.AutoHide);
  EXPECT_EQ(v.DefaultFileName, "/work/new");
  EXPECT_EQ(v.DefaultFileType, 1);
  EXPECT_EQ(v.Extended, "/usr/bin/ed");
  EXPECT_EQ(v.UserName, "Ann");
}

TEST_F(SetupTest, ApplyStoresAppliesAndSurvivesARestart) {
  Storage.ReadValues();
  RunSettingsStartup(Form, Storage, DefaultUntitledName());
  Applied.clear();

  Form.DefFnEd->setText("/work/new");
  Form.DefFTBox->setCurrentIndex(1);
  Form.HighliteChk->setChecked(false);
  Form.NetscapeEd->setText("/usr/bin/firefox");
  Form.FontSpn->setValue(12);
  EXPECT_EQ(Form.LineBreakBox->currentText(), "as in the file");
  EXPECT_FALSE(Form.KeepTabsChk->isChecked());
  Form.LineBreakBox->setCurrentIndex(2);
  Form.KeepTabsChk->setChecked(true);
  EXPECT_EQ(Form.EightBitBox->currentText(), "windows-1252 (Western)");
  Form.EightBitBox->setCurrentIndex(Form.EightBitBox->findData("KOI8-R"));
  Form.ApplyBtnClick();

  ASSERT_EQ(Applied.size(), 1u);
  EXPECT_FALSE(Applied[0].HighlightEnabled);
  EXPECT_EQ(Applied[0].DefaultFileType, 1);
  EXPECT_EQ(Applied[0].Netscape, "/usr/bin/firefox");
  EXPECT_EQ(Form.result(), QDialog::Accepted);
  // Apply keeps them at once: a crash before the main window closes loses nothing.
  EXPECT_EQ(QSettings("Orvex", "QN").value("DefFn").toString(), "/work/new");

  TFormStorage next;
  next.ReadValues();
  TSetupForm nextForm;
  std::vector<TSettingsValues> nextApplied;
  nextForm.OnApplySettings = [&](const TSettingsValues& v) { nextApplied.push_back(v); };
  RunSettingsStartup(nextForm, next, DefaultUntitledName());
  ASSERT_FALSE(nextApplied.empty());
  EXPECT_EQ(nextApplied.back().DefaultFileName, "/work/new");
  EXPECT_EQ(nextApplied.back().DefaultFileType, 1);
  EXPECT_FALSE(nextApplied.back().HighlightEnabled);
  EXPECT_EQ(nextApplied.back().FontSize, 12);
  EXPECT_EQ(nextApplied.back().Netscape, "/usr/bin/firefox");
  EXPECT_EQ(nextApplied.back().LineBreaks, 2);
  EXPECT_TRUE(nextApplied.back().KeepTabs);
  EXPECT_EQ(nextApplied.back().EightBit, "KOI8-R");
}

TEST_F(SetupTest, CancelKeepsTheEditsInTheDialogButStoresNothing) {
  Storage.ReadValues();
  RunSettingsStartup(Form, Storage, DefaultUntitledName());
  Applied.clear();

  Form.NameEd->setText("Edited");
  Form.CancelBtnClick();
  EXPECT_TRUE(Applied.empty());
  EXPECT_EQ(Form.result(), QDialog::Rejected);
  EXPECT_EQ(Storage.ReadString("username"), "");
  EXPECT_EQ(Form.NameEd->text(), "Edited");  // shown again next time

  Form.ApplyBtnClick();  // a later Apply takes it
  EXPECT_EQ(Storage.ReadString("username"), "Edited");
  ASSERT_EQ(Applied.size(), 1u);
  EXPECT_EQ(Applied[0].UserName, "Edited");
}

TEST_F(SetupTest, UnknownFileTypeMeansNothingSelectedAndAnUnknownCodePageTheDefault) {
  QSettings raw("Orvex", "QN");
  raw.setValue("notfirst", "True");
  raw.setValue("DefFT", "7");
  raw.setValue("eightbit", "EBCDIC");
  raw.sync();
  Storage.ReadValues();
  Form.LoadSettingsIntoDialog(Storage);
  EXPECT_EQ(Form.DialogValues().DefaultFileType, -1);
  EXPECT_EQ(Form.DialogValues().EightBit, "windows-1252");
}

TEST(EditorFont, BlankSettingsKeepTheEditorsFont) {
  QWidget editor;
  QFont start("Courier New");
  start.setPointSize(11);
  editor.setFont(start);

  ApplyEditorFont(&editor, "", 0);
  EXPECT_EQ(editor.font().family(), start.family());
  EXPECT_EQ(editor.font().pointSize(), 11);

  ApplyEditorFont(&editor, "DejaVu Sans Mono", 15);
  EXPECT_EQ(editor.font().families().value(0), "DejaVu Sans Mono");
  EXPECT_EQ(editor.font().pointSize(), 15);
}

}  // namespace

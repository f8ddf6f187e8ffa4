#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFontComboBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "IconvProgram.h"
#include "IniLang.h"
#include "setup.h"

namespace {

struct LookupCase {
  const char* what;
  const char* text;
  const char* section;
  const char* key;
  const char* expected;  // with the default "DEF"
};

void PrintTo(const LookupCase& c, std::ostream* os) { *os << c.what; }

class IniLookup : public ::testing::TestWithParam<LookupCase> {};

TEST_P(IniLookup, FindsWhatTheFileSays) {
  const LookupCase& c = GetParam();
  TMemIniFile ini;
  ini.SetText(QString::fromUtf8(c.text));
  EXPECT_EQ(ini.ReadString(c.section, c.key, "DEF").toStdString(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, IniLookup,
    ::testing::Values(
        LookupCase{"plain", "[MainForm]\nMainForm.Caption=X\n", "MainForm", "MainForm.Caption", "X"},
        LookupCase{"section case", "[mainform]\nMainForm.Caption=X\n", "MAINFORM", "MainForm.Caption", "X"},
        LookupCase{"key case", "[MainForm]\nMAINFORM.CAPTION=X\n", "MainForm", "mainform.caption", "X"},
        LookupCase{"first wins", "[S]\nk=one\nK=two\n", "S", "k", "one"},
        LookupCase{"first wins across repeated section", "[S]\nk=one\n[T]\nk=t\n[s]\nk=two\nj=j\n", "S", "j",
                   "j"},
        LookupCase{"repeated section keeps first", "[S]\nk=one\n[s]\nk=two\n", "S", "k", "one"},
        LookupCase{"blank before = joins the name", "[S]\nk =X\n", "S", "k", "DEF"},
        LookupCase{"blank before = found with it", "[S]\nk =X\n", "S", "k ", "X"},
        LookupCase{"blank after = joins the value", "[S]\nk= X \n", "S", "k", " X "},
        LookupCase{"blank in section header kept", "[ S ]\nk=X\n", "S", "k", "DEF"},
        LookupCase{"value holds later =", "[S]\nk=a=b\n", "S", "k", "a=b"},
        LookupCase{"empty value is a value", "[S]\nk=\n", "S", "k", ""},
        LookupCase{"line before first section ignored", "k=X\n[S]\n", "S", "k", "DEF"},
        LookupCase{"comment skipped", "[S]\n;k=X\n", "S", ";k", "DEF"},
        LookupCase{"line without = never matches", "[S]\nk\nk=X\n", "S", "k", "X"},
        LookupCase{"CR LF line ends", "[S]\r\nk=X\r\nj=Y\r\n", "S", "j", "Y"},
        LookupCase{"CR line ends", "[S]\rk=X\rj=Y", "S", "k", "X"},
        LookupCase{"missing key", "[S]\nk=X\n", "S", "other", "DEF"},
        LookupCase{"missing section", "[S]\nk=X\n", "T", "k", "DEF"},
        LookupCase{"non-ASCII", "[S]\nk=Файл\n", "S", "k", "Файл"}),
    [](const ::testing::TestParamInfo<LookupCase>& info) {
      std::string name;
      for (const char* p = info.param.what; *p; ++p)
        name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
      return name;
    });

class LanguageFile : public ::testing::Test {
 protected:
  void Write(const QByteArray& bytes) {
    QFile f(Dir.filePath(LanguageFileName));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  QTemporaryDir Dir;
};

TEST_F(LanguageFile, MissingFileGivesNothing) {
  EXPECT_EQ(OpenLanguageFile(LanguageFileName, Dir.path()), nullptr);
  // Nor does a named pipe of that name, without waiting for a writer.
  const QString pipe = Dir.filePath("pipe.loc");
  ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  TMemIniFile ini;
  EXPECT_FALSE(ini.LoadFromFile(pipe));
}

TEST_F(LanguageFile, FileNextToTheProgramIsRead) {
  Write("\xEF\xBB\xBF[MainForm]\r\nMainForm.File1.Caption=&\xD0\xA4\xD0\xB0\xD0\xB9\xD0\xBB\r\n");
  auto ini = OpenLanguageFile(LanguageFileName, Dir.path());
  ASSERT_NE(ini, nullptr);
  EXPECT_EQ(ini->ReadString("MainForm", "MainForm.File1.Caption", ""), QString::fromUtf8("&Файл"));
}

TEST_F(LanguageFile, EightBitTextIsReadInItsCodePage) {
  Write("[S]\nk=caf\xE9\n");
  auto ini = OpenLanguageFile(LanguageFileName, Dir.path());
  ASSERT_NE(ini, nullptr);
  EXPECT_EQ(ini->ReadString("S", "k", ""), QString::fromLatin1("caf\xE9"));
}

TEST_F(LanguageFile, RussianInAnOldCodePageShowsCyrillic) {
  const std::string russian =
      "[MainForm]\r\nMainForm.File1.Caption=&Файл\r\n"
      "MainForm.Open1.Caption=&Открыть...\r\n"
      "MainForm.Open1.Hint=Открыть файл с "
      "диска\r\n";
  for (const char* encoding : {"WINDOWS-1251", "KOI8-R", "UTF-16", "UTF-8"}) {
    const std::string bytes = IconvProgram(russian, "UTF-8", encoding);
    Write(QByteArray(bytes.data(), qsizetype(bytes.size())));
    auto ini = OpenLanguageFile(LanguageFileName, Dir.path());
    ASSERT_NE(ini, nullptr);
    EXPECT_EQ(ini->ReadString("MainForm", "MainForm.Open1.Hint", ""),
              QString::fromUtf8("Открыть файл с диска"))
        << encoding;
    EXPECT_EQ(ini->ReadString("MainForm", "MainForm.File1.Caption", ""), QString::fromUtf8("&Файл"))
        << encoding;
  }
}

// A small main window with one component of each kind.
struct TestForm {
  TestForm() {
    form.setObjectName("MainForm");
    form.setWindowTitle("Original");
    menu = new QMenu("&File", &form);
    menu->setObjectName("File1");
    open = new QAction("&Open...", &form);
    open->setObjectName("Open1");
    open->setToolTip("Open file");
    button = new QPushButton("Go", &form);
    button->setObjectName("GoBtn");
    label = new QLabel("Name", &form);
    label->setObjectName("Label1");
    combo = new QComboBox(&form);
    combo->setObjectName("TypeBox");
    combo->addItems({"a", "b", "c"});
    fonts = new QFontComboBox(&form);
    fonts->setObjectName("FontBox");
    memo = new QPlainTextEdit("one\ntwo\nthree", &form);
    memo->setObjectName("Memo2");
    tree = new QTreeWidget(&form);
    tree->setObjectName("ListView1");
    tree->setHeaderLabels({"Name", "Size"});
    tabs = new QTabWidget(&form);
    tabs->setObjectName("PageControl1");
    auto* page = new QWidget;
    page->setObjectName("TabSheet1");
    tabs->addTab(page, "First");
    dialog = new QDialog(&form);
    dialog->setObjectName("OtherForm");
    inner = new QPushButton("Inner", dialog);
    inner->setObjectName("GoBtn2");
  }
  QWidget form;
  QMenu* menu;
  QAction* open;
  QPushButton* button;
  QLabel* label;
  QComboBox* combo;
  QFontComboBox* fonts;
  QPlainTextEdit* memo;
  QTreeWidget* tree;
  QTabWidget* tabs;
  QDialog* dialog;
  QPushButton* inner;
};

TEST(ApplyLanguage, ReplacesTextsOfComponentsFoundByName) {
  TestForm t;
  const QString fontItem0 = t.fonts->count() > 0 ? t.fonts->itemText(0) : QString();
  TMemIniFile ini;
  ini.SetText(
      "[MainForm]\n"
      "MainForm.Caption=Translated\n"
      "MainForm.File1.Caption=&Datei\n"
      "mainform.open1.caption=&Öffnen...\n"
      "MainForm.Open1.Hint=Datei öffnen\n"
      "MainForm.GoBtn.Caption=Los\n"
      "MainForm.GoBtn.Hint=Startet\n"
      "MainForm.Label1.Caption=\n"
      "MainForm.TypeBox.items[1]=B\n"
      "MainForm.TypeBox.items[3]=never\n"
      "MainForm.FontBox.items[0]=not a font\n"
      "MainForm.Memo2.lines[0]=\n"
      "MainForm.Memo2.lines[1]=fsdef\n"
      "MainForm.Memo2.lines[2]=drei\n"
      "MainForm.Memo2.lines[3]=vier\n"
      "MainForm.ListView1.Columns[1].Caption=Größe\n"
      "MainForm.TabSheet1.Caption=Erste\n"
      "MainForm.GoBtn2.Caption=wrong window\n"
      "MainForm.Nothing1.Caption=no harm\n");
  ApplyLanguage({&t.form}, ini);

  EXPECT_EQ(t.form.windowTitle(), "Translated");
  EXPECT_EQ(t.menu->title(), "&Datei");
  EXPECT_EQ(t.open->text(), QString::fromUtf8("&Öffnen..."));
  EXPECT_EQ(t.open->toolTip(), QString::fromUtf8("Datei öffnen"));
  EXPECT_EQ(t.button->text(), "Los");
  EXPECT_EQ(t.button->toolTip(), "Startet");
  EXPECT_EQ(t.label->text(), "Name");  // an empty value keeps the layout's text
  ASSERT_EQ(t.combo->count(), 3);      // an index beyond the items adds nothing
  EXPECT_EQ(t.combo->itemText(0), "a");
  EXPECT_EQ(t.combo->itemText(1), "B");
  if (!fontItem0.isEmpty()) {
    EXPECT_EQ(t.fonts->itemText(0), fontItem0);
  }
  // Lines: empty translates to empty, "fsdef" keeps, no line is added.
  EXPECT_EQ(t.memo->toPlainText(), "\ntwo\ndrei");
  EXPECT_EQ(t.tree->headerItem()->text(0), "Name");
  EXPECT_EQ(t.tree->headerItem()->text(1), QString::fromUtf8("Größe"));
  EXPECT_EQ(t.tabs->tabText(0), "Erste");
  EXPECT_EQ(t.inner->text(), "Inner");
}

TEST(ApplyLanguage, EachFormReadsItsOwnSectionInOrder) {
  TestForm t;
  TSetupForm setup;
  TMemIniFile ini;
  ini.SetText(
      "MainForm.Caption=before any section\n"
      "[SetupForm]\n"
      "SetupForm.Caption=Einstellungen\n"
      "SetupForm.ApplyBtn.Caption=&Anwenden\n"
      "SetupForm.DefFTBox.items[0]=Nur Text\n"
      "SetupForm.DefFTBox.items[4]=ignored\n"
      "SetupForm.AutoHideChk.Hint=Menüs verbergen\n"
      "SetupForm.NetscapeEdBtn.Hint=Suchen\n"
      "[MainForm]\n"
      "MainForm.Caption = spaced\n"
      "SetupForm.Caption=wrong section\n");
  ApplyLanguage({&t.form, &setup}, ini);
  EXPECT_EQ(t.form.windowTitle(), "Original");
  EXPECT_EQ(setup.windowTitle(), "Einstellungen");
  EXPECT_EQ(setup.ApplyBtn->text(), "&Anwenden");
  ASSERT_EQ(setup.DefFTBox->count(), 4);
  EXPECT_EQ(setup.DefFTBox->itemText(0), "Nur Text");
  EXPECT_EQ(setup.DefFTBox->itemText(3), "Text JavaScript");
  EXPECT_EQ(setup.AutoHideChk->toolTip(), QString::fromUtf8("Menüs verbergen"));
  auto* browse = setup.findChild<QAction*>("NetscapeEdBtn");
  ASSERT_NE(browse, nullptr);
  EXPECT_EQ(browse->toolTip(), "Suchen");
}

}  // namespace

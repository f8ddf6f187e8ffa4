#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include "FormStorage.h"
#include "settings_support.h"

namespace {

class StorageTest : public ::testing::Test {
 protected:
  void SetUp() override { ClearStoredSettings(); }
  void TearDown() override { ClearStoredSettings(); }
};

TEST_F(StorageTest, EveryValueSurvivesARestart) {
  // Texts that an INI file could easily mangle: commas, quotes, blanks at the ends,
  // "=" and ";" inside, non-ASCII letters, a path with blanks.
  const QList<QPair<QString, QString>> values = {
      {"username", "  Ann, the Writer  "},
      {"useremail", "ann=writer@example.org"},
      {"userurl", "http://example.org/~ann;page"},
      {"fontindex", "3"},
      {"fontname", "DejaVu Sans Mono"},
      {"fontsize", "14"},
      {"autohide", "True"},
      {"highlite", "False"},
      {"netscape", "/usr/bin/fire fox"},
      {"msie", "\"quoted\""},
      {"custom", "Кириллица"},
      {"extended", "C:\\Program Files\\Tarn\\tarn.exe"},
      {"notfirst", "True"},
      {"DefFn", "/home/ann/new"},
      {"DefFT", "2"},
  };
  {
    TFormStorage first;
    for (const auto& [name, text] : values) first.WriteString(name, text);
    first.WriteValues();
  }
  // Booleans are stored as words that read back as booleans.
  EXPECT_EQ(QSettings("Orvex", "QN").value("notfirst").toString(), "True");
  TFormStorage second;
  second.ReadValues();
  for (const auto& [name, text] : values) EXPECT_EQ(second.ReadString(name), text) << name.toStdString();
  EXPECT_EQ(second.ReadInteger("fontsize"), 14);
  EXPECT_TRUE(second.ReadBool("autohide"));
  EXPECT_FALSE(second.ReadBool("highlite"));
}

TEST_F(StorageTest, MissingAndUnreadableValuesGiveLayoutDefaults) {
  {
    QSettings raw("Orvex", "QN");
    raw.setValue("fontsize", "twelve");
    raw.setValue("DefFT", "");
    raw.setValue("autohide", "perhaps");
    raw.setValue("highlite", "TRUE");
    raw.setValue("notfirst", "1");
  }
  TFormStorage storage;
  storage.WriteString("username", "left over");  // replaced by the read
  storage.ReadValues();
  EXPECT_EQ(storage.ReadString("username"), "");
  EXPECT_EQ(storage.ReadInteger("fontindex"), 0);
  EXPECT_EQ(storage.ReadInteger("fontsize"), 0);
  EXPECT_EQ(storage.ReadInteger("DefFT"), 0);
  EXPECT_FALSE(storage.ReadBool("autohide"));
  EXPECT_TRUE(storage.ReadBool("highlite"));
  EXPECT_TRUE(storage.ReadBool("notfirst"));
}

TEST_F(StorageTest, AttachedFormReadsOnFirstShowAndWritesOnClose) {
  QSettings("Orvex", "QN").setValue("username", "Ann");
  QWidget form;
  TFormStorage storage;
  storage.Attach(&form);
  EXPECT_EQ(storage.ReadString("username"), "");
  form.setGeometry(100, 120, 300, 200);
  form.show();
  EXPECT_EQ(storage.ReadString("username"), "Ann");

  // A change by a command is on disk once the command is done (the event loop goes on), not only at close,
  // and a command's changes go together.
  storage.WriteString("username", "Bob");
  storage.WriteBool("linenumbers", true);
  QCoreApplication::processEvents();
  EXPECT_EQ(QSettings("Orvex", "QN").value("username").toString(), "Bob");
  EXPECT_EQ(QSettings("Orvex", "QN").value("linenumbers").toString(), "True");
  storage.WriteString("username", "Cid");
  form.close();
  QSettings raw("Orvex", "QN");
  EXPECT_EQ(raw.value("username").toString(), "Cid");
  EXPECT_EQ(raw.value("NormPos").toString().split(',').size(), 4);
  EXPECT_EQ(raw.value("ShowCmd").toString(), "1");
}

TEST_F(StorageTest, FirstStartTakesTwoThirdsOfTheScreenCentredAndTheNextRestores) {
  {
    QWidget form;
    form.resize(600, 400);
    TFormStorage storage;
    storage.Attach(&form);
    form.show();
    const QRect area = form.screen()->availableGeometry();
    EXPECT_EQ(form.size(), area.size() * 2 / 3);
    EXPECT_LE((form.geometry().center() - area.center()).manhattanLength(), 2);
    form.resize(321, 234);
    form.close();
  }
  QWidget form;
  TFormStorage storage;
  storage.Attach(&form);
  form.show();
  EXPECT_EQ(form.size(), QSize(321, 234));
}

TEST_F(StorageTest, DestroyedFormStillWritesWhenItWasNeverClosed) {
  {
    auto* form = new QWidget;
    TFormStorage storage;
    storage.Attach(form);
    form->show();
    storage.WriteString("DefFn", "/tmp/x");
    delete form;  // gone without a close

    EXPECT_EQ(QSettings("Orvex", "QN").value("DefFn").toString(), "/tmp/x");
  }
}

}  // namespace

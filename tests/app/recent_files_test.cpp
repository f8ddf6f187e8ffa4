// File > Reopen as the user meets it: what goes into the list, how it shows, and choosing an entry.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QHelpEvent>
#include <QMenu>
#include <QTemporaryDir>
#include <QToolTip>
#include <vector>

#include "RecentFiles.h"
#include "main_fakes.h"
#include "xeCustomEdit.h"

namespace {

// The Reopen menu as the user would see it: one "caption|enabled|tip" per item.
QStringList ReopenItems(TMainForm& Form) {
  QMenu* reopen = Form.Menu("Reopen1");
  emit reopen->aboutToShow();
  QStringList items;
  for (const QAction* a : reopen->actions())
    items << a->text() + (a->isEnabled() ? "|on|" : "|off|") + a->toolTip();
  return items;
}

TEST(RecentFiles, OpenedAndSavedDocumentsAreOfferedAgain) {
  QTemporaryDir dir;
  const auto path = [&](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
  for (const char* name : {"a.html", "b.css", "c&d.js"}) WriteBytes(path(name), std::string(name) + "\n");
  auto form = ShownMainForm();
  TScriptedBoxes boxes;
  TScriptedFileDialogs files;
  EXPECT_TRUE(form->RecentFiles().isEmpty());

  struct TStep {
    const char* name;
    std::function<void()> act;
    QStringList expected;  // file names in the list, most recent first
    const char* text;      // Memo1's first line afterwards
  };
  const auto open = [&](const char* name) {
    return [&, name] {
      files.Names << path(name);
      form->Action("Open1")->trigger();
    };
  };
  const auto choose = [&](int index, std::deque<TModalResult> answers) {
    return [&, index, answers] {
      boxes.Answers = answers;
      ReopenItems(*form);
      form->Menu("Reopen1")->actions().at(index)->trigger();
    };
  };
  const std::vector<TStep> steps = {
      {"open", open("a.html"), {"a.html"}, "a.html"},
      {"open another", open("b.css"), {"b.css", "a.html"}, "b.css"},
      {"open the first again moves it to the front", open("a.html"), {"a.html", "b.css"}, "a.html"},
      {"save as",
       [&] {
         files.Names << path("saved.html");
         form->Action("SaveAs1")->trigger();
       },
       {"saved.html", "a.html", "b.css"},
       "a.html"},
      {"choose b.css", choose(2, {}), {"b.css", "saved.html", "a.html"}, "b.css"},
      {"modified, Cancel keeps the document",
       [&] {
         form->Memo1->SetText("changed");
         form->Memo1->SetModified(true);
         choose(2, {mrCancel})();
       },
       {"b.css", "saved.html", "a.html"},
       "changed"},
      {"modified, No opens it", choose(2, {mrNo}), {"a.html", "b.css", "saved.html"}, "a.html"},
      {"a name with &", open("c&d.js"), {"c&d.js", "a.html", "b.css", "saved.html"}, "c&d.js"},
  };
  for (const TStep& step : steps) {
    step.act();
    QStringList expected;
    for (const QString& name : step.expected) expected << path(name.toLatin1());
    EXPECT_EQ(form->RecentFiles(), expected) << step.name;
    EXPECT_EQ(form->Memo1->LineText(1), step.text) << step.name;
  }
  EXPECT_EQ(boxes.Shown.size(), 2u) << "the save question, before each Reopen of a modified document";

  // Shown most recent first, numbered, "&" kept visible; a file that is gone is greyed out and its
  // path is the tip.
  QFile::remove(path("b.css"));
  const QStringList items = ReopenItems(*form);
  ASSERT_EQ(items.size(), 4);
  EXPECT_EQ(items[0], "&1 " + path("c&&d.js") + "|on|" + path("c&d.js"));
  EXPECT_EQ(items[2], "&3 " + path("b.css") + "|off|" + path("b.css"));
  QMenu* reopen = form->Menu("Reopen1");
  reopen->popup(form->mapToGlobal(QPoint(10, 10)));
  const QPoint at = reopen->actionGeometry(reopen->actions().at(2)).center();
  QHelpEvent tip(QEvent::ToolTip, at, reopen->mapToGlobal(at));
  QApplication::sendEvent(reopen, &tip);
  EXPECT_EQ(QToolTip::text(), path("b.css")) << "a greyed-out item shows its path too";
  reopen->hide();
  form->close();

  // Kept with the settings; at most ten.
  TMainForm again;
  again.show();
  EXPECT_EQ(again.RecentFiles().size(), 4);
  EXPECT_EQ(again.RecentFiles().first(), path("c&d.js"));
  for (int i = 0; i < 12; ++i) {
    const QString name = path("n%1.txt").arg(i);
    WriteBytes(name, "x");
    again.LoadDocument(name);
  }
  EXPECT_EQ(again.RecentFiles().size(), RecentFileCount);
  EXPECT_EQ(again.RecentFiles().first(), path("n11.txt"));
  EXPECT_EQ(ReopenItems(again).last().left(3), "&0 ");
}

}  // namespace

// Previews in outside programs, and the web-link opener.
#include "GoToWeb.h"
#include "Preview.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

class TFakeHost : public TPreviewHost {
public:
    QString FileName;
    bool WriteOk = true;
    bool StartOk = true;
    QStringList Calls;

    QString DocFileName() override { return FileName; }
    bool WriteDocument(const QString& name) override {
        Calls << "write " + name;
        return WriteOk;
    }
    void ShowInfo(const QString& text) override { Calls << "info " + text; }
    void ShowError(const QString& text) override { Calls << "error " + text; }
    bool StartProgram(const QString& program, const QStringList& args) override {
        Calls << "start " + program + " [" + args.join("][") + "]";
        return StartOk;
    }
};

TEST(Preview, LaunchSteps) {
    struct {
        const char* Name;
        QString File, Program;
        bool WriteOk, StartOk, Result;
        QStringList Calls;
    } cases[] = {
        {"no file name", "", "/bin/b", true, true, false, {"info Uncnown file name!"}},
        {"no program", "/d/a.html", "", true, true, false, {}},
        {"started", "/d/my page.html", "/opt/my browser", true, true, true,
         {"write /d/my page.html", "start /opt/my browser [/d/my page.html]"}},
        {"write fails", "/d/a.html", "/bin/b", false, true, false,
         {"write /d/a.html", QString("error ") + kPreviewWriteErrorMessage}},
        {"start fails", "/d/a.html", "/bin/b", true, false, true,
         {"write /d/a.html", "start /bin/b [/d/a.html]",
          "error Error on launch application.\nCheck Quillan preferences."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TFakeHost host;
        host.FileName = c.File;
        host.WriteOk = c.WriteOk;
        host.StartOk = c.StartOk;
        EXPECT_EQ(LaunchWith(host, c.Program), c.Result);
        EXPECT_EQ(host.Calls, c.Calls);
    }
}

// A real program receives a path with blanks as one argument.
TEST(Preview, ProgramGetsThePathWhole) {
    QTemporaryDir dir;
    const QString script = dir.filePath("show args.sh");
    const QString out = dir.filePath("args.txt");
    {
        QFile f(script);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(("#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > '" + out + ".tmp'; mv '" + out + ".tmp' '" + out + "'\n")
                    .toUtf8());
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const QString doc = dir.filePath("my page.html");
    ASSERT_TRUE(StartDetachedProgram(script, {doc}));
    QElapsedTimer timer;
    timer.start();
    while (!QFile::exists(out) && timer.elapsed() < 20000) QThread::msleep(20);
    QFile result(out);
    ASSERT_TRUE(result.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(result.readAll()), "1|" + doc + "|");
    EXPECT_FALSE(StartDetachedProgram(dir.filePath("no such program"), {doc}));
}

class TUrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> Urls;
public slots:
    void Catch(const QUrl& url) { Urls << url; }
};

TEST(GoToWeb, OpensTheUrlInTheDesktopBrowser) {
    int argc = 1;
    char arg0[] = "preview_test";
    char* argv[] = {arg0, nullptr};
    QCoreApplication* app = QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    TUrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "Catch");
    TGoToWeb web;
    EXPECT_EQ(web.Url, kMakerWebSite);
    EXPECT_TRUE(web.OpenUrl());
    web.Url = kMakerCenterPage;
    EXPECT_TRUE(web.OpenUrl());
    web.Url = "";
    EXPECT_FALSE(web.OpenUrl());
    QDesktopServices::unsetUrlHandler("https");
    ASSERT_EQ(catcher.Urls.size(), 2);
    EXPECT_EQ(catcher.Urls[0], QUrl(kMakerWebSite));
    EXPECT_EQ(catcher.Urls[1], QUrl(kMakerCenterPage));
    delete app;
}

} // namespace

#include "preview_test.moc"

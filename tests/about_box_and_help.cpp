// The help window and its finder, also beside a modal dialog; the About box's keys and life.
#include "support/ManualClockWindow.h"
#include "windows/HelpViewer.h"
#include "windows/frmAbout.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

namespace {

// The open windows of that object name, owned or not.
QList<QWidget*> windows(const QString& name) {
    QList<QWidget*> found = QApplication::topLevelWidgets();
    found.removeIf([&](const QWidget* widget) { return widget->objectName() != name; });
    return found;
}

QString pageShown(QWidget& help) {
    return help.findChild<QTextBrowser*>("helpBrowser")->source().fileName();
}

} // namespace

class AboutBoxAndHelp : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { qDeleteAll(windows("frmHelp") + windows("frmAbout")); }

    // Index opens the finder, where Enter opens the first topic holding the words. F1 in the
    // options shows their page in the one help window, usable beside them and gone with them.
    void helpWindowServesTheOptionsBesideTheirDialog() {
        QWidget owner;
        owner.show();
        ShowHelpWindow(&owner, Dialogs::HelpCommand::Index, 0);
        QPointer<QWidget> help = windows("frmHelp").value(0);
        QVERIFY(help && help->findChild<QWidget*>("topicFinder")->isVisible());
        QCOMPARE(pageShown(*help), QStringLiteral("contents.html"));

        auto* options = new QDialog(&owner);
        options->setModal(true);
        options->show();
        ShowHelpWindow(options, Dialogs::HelpCommand::Context, 1007);
        QCOMPARE(windows("frmHelp"), QList<QWidget*>({help.data()}));
        QCOMPARE(pageShown(*help), QStringLiteral("options.html"));
        // Clicked through the window system, which drops input to windows a modal one blocks.
        const auto* contents = help->findChild<QPushButton*>("cmdContents");
        QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {},
                          contents->mapTo(help, contents->rect().center()));
        QCOMPARE(pageShown(*help), QStringLiteral("contents.html"));
        auto* findBox = help->findChild<QLineEdit*>("txtFind");
        findBox->setText("pause interval");
        QTest::keyClick(findBox, Qt::Key_Return);
        QCOMPARE(pageShown(*help), QStringLiteral("options.html"));
        delete options;
        QVERIFY(help.isNull());
    }

    // Help > Start Here opens the contents page at the first steps, whose anchor exists.
    void startHereOpensTheFirstSteps() {
        ManualClockWindow fixture;
        fixture.window().findChild<QAction*>("mnuStartHere")->trigger();
        const QList<ScriptedDialogs::Call> calls = fixture.prompts().calls();
        QVERIFY(calls.size() == 1 && calls[0].kind == ScriptedDialogs::Kind::Help);
        ShowHelpWindow(nullptr, calls[0].helpCommand, calls[0].helpContext);
        auto* browser = windows("frmHelp").value(0)->findChild<QTextBrowser*>("helpBrowser");
        QCOMPARE(browser->source().fileName() + '#' + browser->source().fragment(),
                 "contents.html#start-here");
        QVERIFY(browser->toHtml().contains("name=\"start-here\""));
    }

    // Only Enter and Esc close the box; the OK button never sees a key (Space would press it).
    void aboutBoxKeys() {
        const QList<Qt::Key> closing = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape};
        for (const Qt::Key key : closing + QList<Qt::Key>{Qt::Key_Space, Qt::Key_A}) {
            QPointer<frmAbout> box = new frmAbout;
            box->show();
            auto* ok = box->findChild<QPushButton*>("cmdOK");
            QSignalSpy pressed(ok, &QPushButton::clicked);
            QTest::keyClick(ok, key);
            QTest::qWait(20);
            QCOMPARE(box.isNull(), closing.contains(key));
            QCOMPARE(pressed.count(), 0);
        }
    }

    // About shows one box; it outlives the main window, and the program's own event loop
    // ends only when it is closed too.
    void aboutBoxOutlivesMainWindow() {
        ManualClockWindow fixture;
        fixture.window().show();
        fixture.trigger("mnuAbout");
        fixture.trigger("mnuAbout");
        QCOMPARE(windows("frmAbout").size(), 1);
        QPointer<QWidget> box = windows("frmAbout").value(0);
        QVERIFY(box->findChild<QLabel*>("lblVersion")->text().startsWith("Version 2.0.0,  "));

        bool openAfterMainWindowClosed = false;
        QObject steps; // its timers go with it, should the loop end early
        QTimer::singleShot(0, &steps, [&] {
            fixture.window().close();
            QTimer::singleShot(100, &steps, [&] {
                openAfterMainWindowClosed = box && box->isVisible();
                if (box)
                    box->close();
            });
        });
        QTimer::singleShot(5000, &steps, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(openAfterMainWindowClosed);
    }
};

QTEST_MAIN(AboutBoxAndHelp)
#include "about_box_and_help.moc"

#include "core/SettingsKeys.h"
#include "support/Substitutes.h"
#include "support/TestEnvironment.h"
#include "ui/ClickableImage.h"
#include "ui/CompletionWindow.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/MapkeyWindow.h"
#include "ui/WrapButton.h"

#include <QProcess>
#include <QStyleOptionButton>
#include <QTest>

#include <cstdio>
#include <iostream>

using namespace kettwerk;
using namespace Qt::StringLiterals;

namespace {

// Reports a caption that does not fit the room its control draws it in, and
// a picture that does not look like its smallest drawing with at least as
// many pixels scaled down to the screen's: where it is enlarged from a
// smaller one instead, its edges blur and its opaque pixels differ. Every
// exit and close picture shows the same drawing.
void check(QWidget* widget, const QString& name)
{
    QRect room = widget->rect();
    QString text = widget->property("title").toString(); // a group box's
    int flags = Qt::AlignCenter;
    if (auto* label = qobject_cast<QLabel*>(widget)) { // a picture has no text
        room = label->contentsRect();
        text = label->text();
        flags = label->alignment() | (label->wordWrap() ? Qt::TextWordWrap : 0);
    } else if (auto* wrapping = qobject_cast<ui::WrapButton*>(widget)) {
        room = wrapping->rect().adjusted(3, 1, -3, -1);
        text = wrapping->text();
        flags |= Qt::TextWordWrap;
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        // Across, the frame takes its share; upright, only the button's own
        // edge cuts the text (the Windows style leaves small buttons a
        // contents box lower than a line, yet draws the line whole).
        room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        room.setCoords(room.left(), 0, room.right(), button->height() - 1);
        text = button->text();
    }
    // Wine draws MS Sans Serif with a wider font of its own, so the room
    // captions need there says nothing about Windows.
    if (!text.isEmpty() && !room.contains(widget->fontMetrics().boundingRect(room, flags, text)) &&
        !qEnvironmentVariableIsSet("KETTWERK_UNDER_WINE"))
        std::cout << "problem: clipped " << qPrintable(name + u" \""_s + text) << "\"\n";
    if (!qobject_cast<ui::ClickableImage*>(widget))
        return;
    // The drawing each picture shows; any other is an exit or close picture.
    const QStringList pictures{u"img_files"_s, u"img_fertig"_s, u"Image1"_s, u"filebrowser"_s};
    const QString base = u":/icons/close :/pictures/files :/pictures/fertig :/icons/info "
                         u":/icons/filebrowser"_s.split(u' ')
                             .at(pictures.indexOf(widget->objectName()) + 1);
    const QImage shown = widget->grab().toImage();
    QImage drawing;
    for (const char* scale : {"", "@2x", "@4x"})
        if (drawing.size().expandedTo(shown.size()) != drawing.size())
            drawing.load(base + QLatin1StringView(scale) + u".png"_s);
    const auto want = drawing.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int opaque = 0, differing = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const bool solid = qAlpha(want.pixel(x, y)) == 255;
            opaque += solid;
            differing += solid && std::abs(qGray(want.pixel(x, y)) - qGray(shown.pixel(x, y))) > 16;
        }
    if (drawing.size().expandedTo(shown.size()) != drawing.size() || differing * 50 > opaque)
        std::cout << "problem: blurry " << qPrintable(name) << ' ' << differing << '\n';
}

// The child's work: every window, the construction panel (a window of its
// own) among them, every panel of the main window shown. Without `only`: where each named control
// lies, in its window's pixels, and "problem: ..." lines. For screenshots, `only` names one window
// to show as the user sees it, at the screen's top left corner, until the
// process is ended, and its size in screen pixels is printed; "panels" is the
// main window with every panel shown at once.
int child(const QString& only)
{
    const bool panels = only.isEmpty() || only == u"panels";
    TestSettings settings;
    SilentSound sound;
    Installed<ui::Sound> soundInstalled{&sound};
    [] { storeSetting(settings::kWorkingFolder, u"/home/anna/ProEWildfire2/"_s); }();
    ui::MainWindow main;
    ui::HelpWindow help(main.frameGeometry()); // it has no owner
    // The user of the working folder, whoever runs the test.
    main.findChild<QLabel*>(u"lbl_user"_s)->setText(u"anna"_s);
    for (const auto& id : u"Frame2 Frame5 kontextmenue cmd_fcreate txt_hand cmd_auto"_s.split(u' '))
        main.findChild<QWidget*>(id)->setVisible(panels);
    for (QWidget* window :
         QList<QWidget*>{&main, main.findChild<QWidget*>(u"Frame1"_s),
                         new ui::MapkeyWindow(u"+;%bb;"_s, true, {}, &main),
                         new ui::CompletionWindow([] { return QString(); }, [] {}, &main), &help}) {
        if (!only.isEmpty() && window->objectName() != (panels ? u"Form1"_s : only))
            continue;
        window->move(0, 0);
        window->show();
        if (!only.isEmpty()) {
            const QSize onScreen = (QSizeF(window->size()) * window->devicePixelRatioF()).toSize();
            std::cout << "shown " << onScreen.width() << ' ' << onScreen.height() << std::endl;
            return QApplication::exec();
        }
        for (QWidget* w : window->findChildren<QWidget*>()) {
            const QString name = window->objectName() + u'/' + w->objectName();
            if (w->window() != window)
                continue; // a window it owns
            const QPoint at = w->mapTo(window, QPoint());
            if (!w->objectName().isEmpty() && !w->objectName().startsWith(u"qt_"))
                std::printf("%s %d %d %d %d\n", qPrintable(name), at.x(), at.y(), w->width(),
                            w->height());
            check(w, name);
        }
    }
    return 0;
}

} // namespace

// The windows at the scale factors of today's screens. Qt reads the factor
// once, at start, so each one runs in a child process of this test that
// opens every window with every panel shown and reports the place of each
// named control, captions that do not fit their control, and pictures that
// are not drawn from a drawing with as many pixels as they take on screen.
class TestHighDpi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every control has the place in logical pixels that it has at factor 1,
    // so that on screen it lies at that place times the factor; every
    // caption fits; no picture is enlarged from a smaller drawing.
    void windowsKeepTheirProportions()
    {
        for (const char* factor : {"1", "1.5", "2"}) {
            qputenv("QT_SCALE_FACTOR", factor); // the child inherits it
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(), {u"--probe"_s});
            QVERIFY(child.waitForFinished(60000) && child.exitStatus() == QProcess::NormalExit);
            const QStringList layout =
                QString::fromUtf8(child.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
            const QString problems = layout.filter(u"problem: "_s).join(u'\n');
            QVERIFY2(problems.isEmpty() && layout.size() > 50, // the probe did look
                     qPrintable(QLatin1StringView(factor) + u": "_s + problems));
            static const QStringList reference = layout; // the first: at factor 1
            QCOMPARE(layout, reference);
        }
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    TestHighDpi test;
    // --probe, or --show and a window's name
    return argc > 1 && qstrncmp(argv[1], "--", 2) == 0 ? child(QString::fromLocal8Bit(argv[2]))
                                                       : QTest::qExec(&test, argc, argv);
}

#include "tst_highdpi.moc"

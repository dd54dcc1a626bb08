#include "core/SettingsKeys.h"
#include "filelist/FileList.h"
#include "support/Substitutes.h"
#include "support/TestEnvironment.h"
#include "ui/ClickableImage.h"
#include "ui/CompletionWindow.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/MapkeyWindow.h"
#include "ui/WrapButton.h"

#include <QGroupBox>
#include <QProcess>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>

#include <iostream>

using namespace kettwerk;
using namespace Qt::StringLiterals;

namespace {

// Every window, the construction panel (a window of its own) among them, a
// few files in the list; with `panels`, every panel of the main window shown.
struct AllWindows
{
    TestSettings settings;
    SilentSound sound;
    Installed<ui::Sound> soundInstalled{&sound};
    std::unique_ptr<ui::MainWindow> main;
    std::unique_ptr<ui::HelpWindow> help; // it has no owner
    QList<QWidget*> windows;

    explicit AllWindows(bool panels)
    {
        storeSetting(settings::kWorkingFolder, u"/home/anna/ProEWildfire2/"_s);
        main = std::make_unique<ui::MainWindow>();
        const QString files = u"halter_links.drw grundplatte.prt.4 getriebe.asm welle_d20.prt"_s;
        main->fileList().setEntries(files.split(u' '), true);
        help = std::make_unique<ui::HelpWindow>(main->frameGeometry());
        windows = {main.get(), main->findChild<QWidget*>(u"Frame1"_s),
                   new ui::MapkeyWindow(u"+;%bb;"_s, true, {}, main.get()),
                   new ui::CompletionWindow([] { return QString(); }, [] {}, main.get()),
                   help.get()};
        // The user of the working folder, whoever runs the test.
        main->findChild<QLabel*>(u"lbl_user"_s)->setText(u"anna"_s);
        for (const auto& name :
             u"Frame2 Frame5 kontextmenue cmd_fcreate txt_hand cmd_auto"_s.split(u' '))
            if (panels)
                main->findChild<QWidget*>(name)->show();
    }
};

// Reports a caption that does not fit the room its control draws it in.
void checkCaption(QWidget* widget, const QString& name)
{
    QRect room = widget->rect();
    QString text;
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
        const QRect contents =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        room = QRect(contents.left(), 0, contents.width(), button->height());
        text = button->text();
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        text = group->title();
    }
    const QRect needed = widget->fontMetrics().boundingRect(room, flags, text);
    if (!text.isEmpty() && (needed.width() > room.width() || needed.height() > room.height()))
        std::cout << "problem: clipped " << qPrintable(name + u" \""_s + text) << "\" needs "
                  << needed.width() << 'x' << needed.height() << '\n';
}

// A picture on screen must look like its smallest drawing that has at least
// as many pixels, scaled down to the screen's: where it is enlarged from a
// smaller one instead, its edges blur and its opaque pixels differ. Every
// exit and close picture shows the same drawing.
void checkPicture(QWidget* widget, const QString& name)
{
    static const QHash<QString, QString> drawings{{u"img_files"_s, u":/pictures/files"_s},
                                                  {u"img_fertig"_s, u":/pictures/fertig"_s},
                                                  {u"Image1"_s, u":/icons/info"_s},
                                                  {u"filebrowser"_s, u":/icons/filebrowser"_s}};
    const QImage shown = widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QString base = drawings.value(widget->objectName(), u":/icons/close"_s);
    QImage drawing;
    for (const char* scale : {"", "@2x", "@4x"}) {
        if (drawing.width() < shown.width() || drawing.height() < shown.height())
            drawing.load(base + QLatin1StringView(scale) + u".png"_s);
    }
    const QSize size = drawing.size();
    drawing = drawing.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                  .convertToFormat(QImage::Format_ARGB32);
    // 32-bit lines have no padding: the pixels follow each other.
    const auto* want = reinterpret_cast<const QRgb*>(drawing.constBits());
    const auto* got = reinterpret_cast<const QRgb*>(shown.constBits());
    int opaque = 0, differing = 0;
    for (qsizetype i = 0; i < shown.width() * shown.height(); ++i) {
        const QRgb w = want[i], g = got[i];
        const int off = std::abs(qRed(w) - qRed(g)) + std::abs(qGreen(w) - qGreen(g)) +
                        std::abs(qBlue(w) - qBlue(g));
        opaque += qAlpha(w) == 255;
        differing += qAlpha(w) == 255 && off > 48;
    }
    if (size.width() < shown.width() || size.height() < shown.height() || differing * 50 > opaque)
        std::cout << "problem: blurry " << qPrintable(name) << " drawn from " << size.width() << 'x'
                  << size.height() << ": " << differing << " of " << opaque << " pixels differ\n";
}

// The child's work. Without `only`: where each named control lies, in its
// window's pixels, and "problem: ..." lines. For screenshots, `only` names
// one window to show as the user sees it, at the screen's top left corner,
// until the process is ended, and its size in screen pixels is printed;
// "panels" is the main window with every panel shown at once.
int child(const QString& only)
{
    const bool panels = only.isEmpty() || only == u"panels";
    AllWindows all(panels);
    for (QWidget* window : std::as_const(all.windows)) {
        if (!only.isEmpty() && window->objectName() != (panels ? u"Form1"_s : only))
            continue;
        window->move(0, 0);
        window->show();
        const QSize onScreen = (QSizeF(window->size()) * window->devicePixelRatioF()).toSize();
        if (!only.isEmpty())
            std::cout << "shown " << onScreen.width() << ' ' << onScreen.height() << std::endl;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            const QString name = window->objectName() + u'/' + widget->objectName();
            if (!only.isEmpty() || widget->window() != window)
                continue; // a window it owns
            const QPoint at = widget->mapTo(window, QPoint());
            if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(u"qt_"))
                std::cout << qPrintable(name) << ' ' << at.x() << ' ' << at.y() << ' '
                          << widget->width() << ' ' << widget->height() << '\n';
            checkCaption(widget, name);
            if (qobject_cast<ui::ClickableImage*>(widget))
                checkPicture(widget, name);
        }
    }
    return only.isEmpty() ? 0 : QApplication::exec();
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
        QStringList reference; // the layout at factor 1
        for (const char* factor : {"1", "1.5", "2"}) {
            qputenv("QT_SCALE_FACTOR", factor); // the child inherits it
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(), {u"--probe"_s});
            QVERIFY(child.waitForFinished(60000) && child.exitStatus() == QProcess::NormalExit &&
                    child.exitCode() == 0);
            QStringList layout =
                QString::fromUtf8(child.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
            // Wine draws MS Sans Serif with a wider font of its own, so the
            // room captions need there says nothing about Windows.
            if (qEnvironmentVariableIsSet("KETTWERK_UNDER_WINE"))
                layout.removeIf(
                    [](const QString& line) { return line.startsWith(u"problem: clipped"); });
            const QStringList problems = layout.filter(u"problem: "_s);
            QVERIFY2(problems.isEmpty(),
                     qPrintable(QLatin1StringView(factor) + u": "_s + problems.join(u'\n')));
            QVERIFY(layout.size() > 50); // the probe did look
            if (reference.isEmpty())
                reference = layout;
            QCOMPARE(layout, reference);
        }
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // --probe, or --show and a window's name
    if (argc > 1 && qstrncmp(argv[1], "--", 2) == 0)
        return child(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString());
    TestHighDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_highdpi.moc"

#include "core/MapkeyDefinitions.h"
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
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>

#include <cstdlib>
#include <iostream>
#include <memory>

using namespace kettwerk;
using namespace Qt::StringLiterals;

// The windows at the scale factors of today's screens. Qt reads the factor
// once, at start, so each one runs in a child process of this test that
// opens every window with every panel shown and reports the place of each
// named control, captions that do not fit their control, and pictures that
// are not drawn from a drawing with as many pixels as they take on screen.
namespace {

// Every window, the construction panel (a window of its own) among them, a
// few files in the list.
struct AllWindows
{
    TestSettings settings;
    SilentSound sound;
    Installed<ui::Sound> soundInstalled{&sound};
    std::unique_ptr<ui::MainWindow> main;
    std::unique_ptr<ui::HelpWindow> help; // it has no owner
    QList<QWidget*> windows;

    AllWindows()
    {
        storeSetting(settings::kWorkingFolder, u"/home/anna/ProEWildfire2/"_s);
        main = std::make_unique<ui::MainWindow>();
        main->fileList().setEntries(
            u"halter_links.drw grundplatte.prt.4 getriebe.asm deckel.drw.2 welle_d20.prt"_s.split(
                u' '),
            true);
        help = std::make_unique<ui::HelpWindow>(main->frameGeometry());
        windows = {main.get(), main->findChild<QWidget*>(u"Frame1"_s),
                   new ui::MapkeyWindow(u"+;%bb;"_s, true, {}, main.get()),
                   new ui::CompletionWindow([] { return QString(); }, [] {}, main.get()),
                   help.get()};
    }
    void showPanels()
    {
        for (const char* name :
             {"Frame2", "Frame5", "kontextmenue", "cmd_fcreate", "txt_hand", "cmd_auto"})
            main->findChild<QWidget*>(QString::fromLatin1(name))->show();
    }
};

// Where each named control of `window` lies, in its window's pixels.
QStringList layoutOf(QWidget* window)
{
    QStringList lines;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->window() != window || widget->objectName().isEmpty() ||
            widget->objectName().startsWith(u"qt_"))
            continue;
        const QPoint at = widget->mapTo(window, QPoint());
        lines += QString::asprintf("%s/%s %d %d %d %d", qUtf8Printable(window->objectName()),
                                   qUtf8Printable(widget->objectName()), at.x(), at.y(),
                                   widget->width(), widget->height());
    }
    return lines;
}

// The room a caption has and the room it needs, as the control draws it.
void checkCaption(QWidget* widget, const QString& name, QStringList* problems)
{
    QRect room;
    QString text;
    int flags = 0;
    if (auto* label = qobject_cast<QLabel*>(widget);
        label && !qobject_cast<ui::ClickableImage*>(widget)) {
        room = label->contentsRect();
        text = label->text();
        flags = label->alignment() | (label->wordWrap() ? Qt::TextWordWrap : 0);
    } else if (auto* wrapping = qobject_cast<ui::WrapButton*>(widget)) {
        room = wrapping->rect().adjusted(3, 1, -3, -1);
        text = wrapping->text();
        flags = Qt::AlignCenter | Qt::TextWordWrap;
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
        flags = Qt::AlignCenter;
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        room = group->rect();
        text = group->title();
    }
    if (text.isEmpty())
        return;
    const QRect needed = widget->fontMetrics().boundingRect(room, flags, text);
    if (needed.width() > room.width() || needed.height() > room.height())
        *problems += QString::asprintf("clipped %s \"%s\": needs %dx%d, has %dx%d",
                                       qUtf8Printable(name), qUtf8Printable(text), needed.width(),
                                       needed.height(), room.width(), room.height());
}

// The drawing of each picture control, as the resources name it; every exit
// and close picture shows the same one.
QString drawingOf(const QString& control)
{
    static const QHash<QString, QString> drawings{{u"img_files"_s, u":/pictures/files"_s},
                                                  {u"img_fertig"_s, u":/pictures/fertig"_s},
                                                  {u"Image1"_s, u":/icons/info"_s},
                                                  {u"filebrowser"_s, u":/icons/filebrowser"_s}};
    return drawings.value(control, u":/icons/close"_s);
}

// A picture on screen must look like its smallest drawing that has at least
// as many pixels, scaled down to the screen's: where it is enlarged from a
// smaller one instead, its edges blur and its opaque pixels differ.
void checkPicture(QWidget* widget, const QString& name, QStringList* problems)
{
    const QImage shown = widget->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QImage drawing;
    for (const char* scale : {"", "@2x", "@4x"}) {
        drawing.load(drawingOf(widget->objectName()) + QString::fromLatin1(scale) + u".png"_s);
        if (drawing.width() >= shown.width() && drawing.height() >= shown.height())
            break;
    }
    if (drawing.width() < shown.width() || drawing.height() < shown.height()) {
        *problems += QString::asprintf("blurry %s: no drawing of %dx%d pixels",
                                       qUtf8Printable(name), shown.width(), shown.height());
        return;
    }
    drawing = drawing.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                  .convertToFormat(QImage::Format_ARGB32);
    int opaque = 0, differing = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb want = drawing.pixel(x, y), got = shown.pixel(x, y);
            if (qAlpha(want) < 255)
                continue;
            ++opaque;
            differing += std::abs(qRed(want) - qRed(got)) + std::abs(qGreen(want) - qGreen(got)) +
                             std::abs(qBlue(want) - qBlue(got)) >
                         48;
        }
    }
    if (differing * 50 > opaque)
        *problems += QString::asprintf("blurry %s: %d of %d pixels differ from the drawing",
                                       qUtf8Printable(name), differing, opaque);
}

// The child's work: layout lines, then "problem: ..." lines.
int probe()
{
    AllWindows all;
    all.showPanels();
    QStringList problems;
    for (QWidget* window : std::as_const(all.windows)) {
        window->show();
        for (const QString& line : layoutOf(window))
            std::cout << qPrintable(line) << '\n';
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (widget->window() != window)
                continue; // a window it owns
            const QString name = window->objectName() + u'/' + widget->objectName();
            checkCaption(widget, name, &problems);
            if (qobject_cast<ui::ClickableImage*>(widget))
                checkPicture(widget, name, &problems);
        }
    }
    for (const QString& problem : std::as_const(problems))
        std::cout << "problem: " << qPrintable(problem) << '\n';
    return 0;
}

// For screenshots: one window as the user sees it, at the screen's top left
// corner, until the process is ended. Prints its size in screen pixels.
// "panels" is the main window with every panel shown at once.
int show(const QString& windowName)
{
    AllWindows all;
    // The user of the working folder, whoever takes the screenshot.
    all.main->findChild<QLabel*>(u"lbl_user"_s)->setText(u"anna"_s);
    const bool panels = windowName == u"panels";
    if (panels)
        all.showPanels();
    for (QWidget* window : std::as_const(all.windows)) {
        if (window->objectName() != (panels ? u"Form1"_s : windowName))
            continue;
        window->move(0, 0);
        window->show();
        const QSize onScreen = (QSizeF(window->size()) * window->devicePixelRatioF()).toSize();
        std::cout << "shown " << onScreen.width() << ' ' << onScreen.height() << std::endl;
    }
    return QApplication::exec();
}

} // namespace

class TestHighDpi : public QObject
{
    Q_OBJECT
    QStringList m_reference; // the layout at factor 1

    // The child's lines at `factor`: layout lines and problems apart.
    static void runProbe(const QString& factor, QStringList* layout, QStringList* problems)
    {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_SCALE_FACTOR"_s, factor);
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {u"--probe"_s});
        QVERIFY(child.waitForFinished(60000));
        QCOMPARE(child.exitCode(), 0);
        for (const QString& line : QString::fromUtf8(child.readAllStandardOutput()).split(u'\n')) {
            if (line.startsWith(u"problem: "))
                problems->append(line.mid(9));
            else if (!line.isEmpty())
                layout->append(line);
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStringList problems; // reported by the first row
        runProbe(u"1"_s, &m_reference, &problems);
    }
    // Every control has the place in logical pixels that it has at factor 1,
    // so that on screen it lies at that place times the factor; every
    // caption fits; no picture is enlarged from a smaller drawing.
    void windowsKeepTheirProportions_data()
    {
        QTest::addColumn<QString>("factor");
        for (const char* factor : {"1", "1.5", "2"})
            QTest::newRow(factor) << QString::fromLatin1(factor);
    }
    void windowsKeepTheirProportions()
    {
        QFETCH(QString, factor);
        QStringList layout, problems;
        runProbe(factor, &layout, &problems);
        // Wine draws MS Sans Serif with a wider font of its own, so the room
        // captions need there says nothing about Windows.
        if (qEnvironmentVariableIsSet("KETTWERK_UNDER_WINE"))
            problems.removeIf(
                [](const QString& problem) { return problem.startsWith(u"clipped"); });
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
        QVERIFY(layout.size() > 50); // the probe did look
        QCOMPARE(layout, m_reference);
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc == 2 && qstrcmp(argv[1], "--probe") == 0)
        return probe();
    if (argc == 3 && qstrcmp(argv[1], "--show") == 0)
        return show(QString::fromLocal8Bit(argv[2]));
    TestHighDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_highdpi.moc"

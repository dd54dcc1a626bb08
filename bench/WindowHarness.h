#pragma once

#include <QList>
#include <QString>

namespace kettwerk {
class BatchJob;
class FileList;
} // namespace kettwerk
namespace kettwerk::ui {
class MainWindow;
}

// The one main window that every benchmark drives, shown on the offscreen
// platform with its own settings folder and working folder.
namespace bench {

// Needs the QApplication; stopHarness() closes the window and removes the folders.
void startHarness();
void stopHarness();

kettwerk::ui::MainWindow& window();
kettwerk::BatchJob& job();
kettwerk::FileList& fileList();
// Shows the file-list panel, as the window does when the list is worked on.
void showFileListPanel();
// The working folder, where doit.pro is written.
QString workFolder();

// Delivers what is pending (posted events, layout, repaint), as the event
// loop would right after a user's click.
void settle();
// Clicks the button of that name; its handler runs through clicked().
void press(const QString& name);
// Enters `names` in the mapkey window and presses its OK, which composes
// the batch that the write button writes.
void enterMapkeys(const QString& names);
// Closes every open "ok" window that writing doit.pro opened.
void closeCompletionWindows();

// Marks for n entries: the first, the third, and so on.
QList<bool> everySecond(int n);

// The process's peak resident memory in MiB, or -1 where it is not known.
double peakMiB();

} // namespace bench

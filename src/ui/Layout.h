#pragma once

// Where every control of the windows lies, as the window was designed: one
// table per panel and window, in twips inside the container (one logical
// pixel is 15 twips; see Twips.h). The code that builds a panel takes its
// places from here and nowhere else.
namespace kettwerk::ui::layout {

struct Place
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct Point
{
    int left = 0;
    int top = 0;
};

struct Size
{
    int width = 0;
    int height = 0;
};

// A horizontal strip: its top and its height.
struct Band
{
    int top = 0;
    int height = 0;
};

namespace bottomBar {
inline constexpr Place panel{120, 9360, 7695, 1095};
inline constexpr Place heading{120, 120, 2295, 255};
inline constexpr Place folderField{120, 330, 4935, 285};
inline constexpr Place installAutoButton{5160, 120, 1695, 495};
inline constexpr Place loginLabel{120, 720, 1215, 255};
inline constexpr Place statusLine{1440, 720, 5415, 285};
inline constexpr Place exitImage{7200, 600, 480, 480};
} // namespace bottomBar

namespace mainWindow {
// The window's outer size; the client area is smaller by the frame and the
// title bar. Panel moves are computed against the outer size.
inline constexpr Size outer{8000, 6000};
inline constexpr Size frame{120, 465};
inline constexpr int barTop = outer.height - bottomBar::panel.height - 500;
inline constexpr Place filesImage{240, 0, 870, 975};
inline constexpr Place infoImage{7200, 240, 480, 480};
inline constexpr Point fileListAtStart{1000, 600};
inline constexpr Point fileListReopened{240, 960};
// Where the construction panel is put away when the list is reopened.
inline constexpr int constructionPanelParkedTop = 7300;
} // namespace mainWindow

namespace batchSteps {
inline constexpr Place mapkeyPanel{1200, 0, 5775, 855};
inline constexpr Place mapkeyButton{120, 240, 1215, 495};
inline constexpr Place writeButton{2880, 2520, 2895, 375};
} // namespace batchSteps

namespace fileListPanel {
inline constexpr Place panel{480, 1920, 6255, 4335};
inline constexpr Place instruction{240, 0, 3735, 615};
inline constexpr Place list{240, 600, 5295, 3375};
inline constexpr Place handOverButton{5640, 3720, 495, 495};
inline constexpr Place closeImage{5640, 120, 480, 465};
inline constexpr Place singleEntryField{480, 1440, 5655, 285};
// The menu's left edge lies this far right of the pointer's X over the list.
inline constexpr int menuOffset = 220;
} // namespace fileListPanel

namespace menuPanel {
inline constexpr Place panel{2880, 240, 1215, 3735};
inline constexpr Place paste{120, 120, 975, 255};
inline constexpr Place markAll{120, 480, 975, 255};
inline constexpr Place unmarkAll{120, 720, 975, 255};
inline constexpr Place clear{120, 1080, 975, 495};
inline constexpr Place singleEntry{120, 1680, 975, 495};
inline constexpr Place addDrawing{120, 2280, 495, 255};
inline constexpr Place addPart{600, 2280, 495, 255};
inline constexpr Place stripDrawing{120, 2520, 495, 255};
inline constexpr Place stripPart{600, 2520, 495, 255};
inline constexpr Place browserImage{240, 2880, 390, 360};
inline constexpr Place quit{120, 3360, 975, 255};
// The line drawn between the browser picture and "quit".
inline constexpr int dividerTop = 3240;
} // namespace menuPanel

namespace browserPanel {
// Its top strip lies above the window's client area and is cut off.
inline constexpr Place panel{1800, -120, 5895, 3015};
inline constexpr Place pathField{120, 240, 5535, 285};
inline constexpr Place driveBox{120, 600, 2655, 315};
inline constexpr Place folderList{120, 960, 2655, 1890};
inline constexpr Place filterLabel{2880, 600, 375, 255};
inline constexpr Place filterBox{3360, 600, 2295, 315};
inline constexpr Place caption{3360, 1560, 1815, 255};
inline constexpr Place okButton{3600, 2400, 1575, 375};
inline constexpr Place closeImage{5280, 2400, 480, 480};
} // namespace browserPanel

namespace outputFolderPanel {
// Outside the visible area of the running window until it is opened.
inline constexpr Place panel{8760, 4440, 2415, 2655};
inline constexpr Place driveBox{120, 240, 2175, 315};
inline constexpr Place folderList{120, 600, 2175, 1665};
inline constexpr Place okButton{120, 2280, 2175, 255};
} // namespace outputFolderPanel

namespace folderList {
inline constexpr int indentation = 150;
} // namespace folderList

namespace explanationLabel {
inline constexpr Place label{2040, 1200, 4935, 2655};
} // namespace explanationLabel

namespace constructionPanel {
inline constexpr Place panel{8400, 240, 9735, 6615};
// Each block: its caption at the left, the field beside it, both at `top`.
inline constexpr int captionLeft = 120;
inline constexpr int captionWidth = 1800;
inline constexpr int captionHeight = 255;
inline constexpr int fieldLeft = 1920;
inline constexpr int fieldWidth = 7575;
inline constexpr Band header{120, 495};
inline constexpr Band openStep{720, 975};
inline constexpr Band functionBlock{1800, 3015};
inline constexpr Band closing{4920, 495};
inline constexpr Place ok{1920, 6000, 1335, 375};
inline constexpr Place cancel{3360, 6000, 1335, 375};
inline constexpr Place closeImage{9120, 120, 480, 465};
inline constexpr Place searchLabel{120, 5520, 1800, 255};
inline constexpr Place searchField{1920, 5520, 2400, 285};
inline constexpr Place replaceLabel{4440, 5520, 1200, 255};
inline constexpr Place replacementField{5640, 5520, 2400, 285};
inline constexpr Place replaceButton{8160, 5520, 1335, 285};
} // namespace constructionPanel

namespace mapkeyWindow {
// One row taller than designed, for the progress log's check box.
inline constexpr Size client{3540, 3285};
inline constexpr Place warning{120, 0, 3255, 495};
inline constexpr Place prompt{120, 600, 3255, 255};
inline constexpr Place namesField{120, 840, 3255, 375};
inline constexpr Place ok{960, 1320, 1815, 375};
inline constexpr Place hint{120, 1920, 3255, 855};
inline constexpr Place hintText{120, 120, 2655, 495}; // inside the hint
inline constexpr Place example{1440, 360, 1695, 405}; // inside the hint
inline constexpr Place logCheckBox{120, 2850, 3255, 255};
} // namespace mapkeyWindow

namespace completionWindow {
inline constexpr Size client{4335, 3255};
inline constexpr Size outline{4320, 3240};
inline constexpr Place done{240, 120, 3495, 255};
inline constexpr Place loadIn{840, 360, 2655, 255};
inline constexpr Place menuPath{1200, 600, 1575, 255};
inline constexpr Place loaded{1320, 840, 1335, 255};
inline constexpr Place picture{960, 1080, 2235, 1635};
inline constexpr Place editButton{120, 2760, 1455, 375};
// Only when the batch keeps a progress log.
inline constexpr Place followButton{1680, 2760, 1455, 375};
inline constexpr Place closeImage{3840, 2760, 360, 345};
} // namespace completionWindow

namespace helpWindow {
inline constexpr Size client{6270, 4800};
// Opens this far right of and below the main window's top left corner.
inline constexpr int offset = 400;
inline constexpr Place dateAndAuthor{240, 120, 1935, 255};
inline constexpr Place usage{240, 360, 5895, 3735};
inline constexpr Place ok{2280, 4200, 1455, 495};
inline constexpr Place contactCaption{3960, 4200, 1095, 255};
inline constexpr Place contactLink{3960, 4440, 2415, 255};
} // namespace helpWindow

} // namespace kettwerk::ui::layout

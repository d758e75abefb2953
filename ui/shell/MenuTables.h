#pragma once

#include <vector>

class TfMainFrm;

/**
 * The main window's menus and tool bar as tables: each entry's component
 * name, caption, Tag and shortcut, and the handler of the entries that have
 * one of their own (Exit and the two check marks); every other entry runs the
 * dispatcher with its Tag.
 */
namespace MenuTables {

/** The commands, by the Tag of their menu items and tool buttons. */
enum Command {
    kNew = 1,
    kOpen = 2,
    kSave = 3,
    kSaveAs = 4,
    kPrint = 7,
    kPrintPreview = 8,
    kModel = 9,
    kChannelEdit = 10,
    kTestFrequency = 18,
    kEmbeddedMessage = 19,
    kRead = 20,
    kWrite = 21,
    kTestOnline = 22,
    kPort = 24,
    kLanguage = 25,
    kCascade = 29,
    kTileHorizontally = 30,
    kTileVertically = 31,
    kArrangeIcons = 32,
    kCloseAll = 33,
    kHelp = 34,
    kAbout = 35,
    kBatchEdit = 36,
    kFunctionSetting = 37,
    kImportCsv = 40,
    kExportCsv = 41,
    kCompare = 42,
};

constexpr int kNoTag = 0;

/** What an entry with its own handler does; for a check mark, checked is its new state. */
using Handler = void (TfMainFrm::*)(bool checked);

struct MenuItem {
    const char* name;
    const char* caption; // nullptr for a separator
    int tag;
    const char* shortcut;
    bool visible;
    Handler handler = nullptr;
    /** A check mark, set at start. */
    bool checked = false;
};

struct Menu {
    const char* name;
    const char* caption;
    bool visible;
    std::vector<MenuItem> items;
};

struct ToolButton {
    const char* name;
    const char* hint; // nullptr for a divider
    int tag;
    int image;
};

/** The menu bar, menu by menu, in order. */
const std::vector<Menu>& Menus();
/** The tool bar, left to right. */
const std::vector<ToolButton>& ToolButtons();

} // namespace MenuTables

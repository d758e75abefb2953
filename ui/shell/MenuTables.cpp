#include "MenuTables.h"

#include "TfMainFrm.h"

namespace MenuTables {

namespace {

// clang-format off
const std::vector<Menu> kMenus = {
    {"nFile",
     "&File",
     true,
     {{"N1", "&New", kNew, "Ctrl+N", true},
      {"O1", "&Open", kOpen, "Ctrl+O", true},
      {"S2", "&Save", kSave, "Ctrl+S", true},
      {"A1", "Save &As", kSaveAs, "Ctrl+A", true},
      {"ImportCsv", "Import CSV...", kImportCsv, nullptr, true},
      {"ExportCsv", "Export CSV...", kExportCsv, nullptr, true},
      {"Compare", "Co&mpare...", kCompare, nullptr, true},
      {"N11", nullptr, kNoTag, nullptr, true},
      {"P2", "&Print", kPrint, "Ctrl+P", true},
      {"V2", "Print Pre&view", kPrintPreview, "Ctrl+V", true},
      {"N3", nullptr, kNoTag, nullptr, true},
      {"nExit", "&Exit", kNoTag, "Ctrl+X", true, &TfMainFrm::nExitClick}}},
    {"nEdit",
     "&Edit",
     true,
     {{"E1", "&Channel Edit", kChannelEdit, "F11", true},
      {"E2", "&Batch Channel Edit", kBatchEdit, "F10", true},
      {"D1", nullptr, kNoTag, nullptr, true},
      {"E12", "Function &Setting", kFunctionSetting, nullptr, true},
      {"D5", nullptr, kNoTag, nullptr, false},
      {"E10", "&Test Frequency", kTestFrequency, nullptr, false},
      {"E11", "Embedded &Message", kEmbeddedMessage, nullptr, false}}},
    {"nProgram",
     "&Program",
     true,
     {{"R1", "&Read From Radio", kRead, "Ctrl+R", true},
      {"W2", "&Write To Radio", kWrite, "Ctrl+W", true},
      {"N2", nullptr, kNoTag, nullptr, true},
      {"T1", "&Test Online", kTestOnline, nullptr, false}}},
    {"nSetup",
     "&Setup",
     true,
     {{"N4", "&Model Information", kModel, nullptr, true},
      {"N9", nullptr, kNoTag, nullptr, true},
      {"C2", "&Communication Port", kPort, nullptr, true},
      {"nLanguage", "Language File Setup", kLanguage, nullptr, true}}},
    {"nView",
     "&View",
     true,
     {{"T4", "Tree &View", kNoTag, nullptr, false},
      {"N8", nullptr, kNoTag, nullptr, false},
      {"nCool", "&Toolbar", 27, nullptr, true, &TfMainFrm::nCoolClick, true},
      {"nBar", "&Status bar", 28, nullptr, true, &TfMainFrm::nBarClick, true}}},
    {"nWindow",
     "&Window",
     false,
     {{"nC", "&Cascade", kCascade, nullptr, false},
      {"nH", "Tile Windows &Horizontally", kTileHorizontally, nullptr, false},
      {"nV", "Tile Windows &Vertically", kTileVertically, nullptr, false},
      {"npl", "&Arrange Icons", kArrangeIcons, nullptr, false},
      {"N13", nullptr, kNoTag, nullptr, false},
      {"nCloseAll", "Close All &Windows", kCloseAll, nullptr, false}}},
    {"nHelp",
     "&Help",
     true,
     {{"nHelpTopics", "&Help Topics", kHelp, nullptr, true},
      {"N10", nullptr, kNoTag, nullptr, true},
      {"nAbout", "About...", kAbout, nullptr, true}}},
};
// clang-format on

const std::vector<ToolButton> kToolButtons = {
    {"tbNew", "New", kNew, 0},
    {"tbOpen", "Open", kOpen, 1},
    {"tbSave", "Save", kSave, 3},
    {"ToolButton5", nullptr, kNoTag, -1},
    {"ToolButton3", "Channel Edit", kChannelEdit, 8},
    {"ToolButton11", nullptr, kNoTag, -1},
    {"tbPrint", "Print", kPrint, 2},
    {"ToolButton4", nullptr, kNoTag, -1},
    {"tbRead", "Read", kRead, 7},
    {"ToolButton1", nullptr, kNoTag, -1},
    {"tbWrite", "Write", kWrite, 5},
    {"ToolButton2", nullptr, kNoTag, -1},
    {"tbHelp", "Help", kHelp, 6},
};

} // namespace

const std::vector<Menu>& Menus() {
    return kMenus;
}

const std::vector<ToolButton>& ToolButtons() {
    return kToolButtons;
}

} // namespace MenuTables

// The command registry against the menus and toolbars that name its commands and the view that
// installs its tools: a missing, repeated or wrong row fails here.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "commands/CommandRegistry.h"
#include "support/ViewHarness.h"
#include "view/ViewCommands.h"

namespace korvo::test {
namespace {

void CollectIds(std::span<const MenuEntry> entries, std::vector<int>& ids) {
    for (const MenuEntry& entry : entries) {
        if (entry.kind == MenuEntryKind::Command) {
            ids.push_back(entry.id);
        } else if (entry.kind == MenuEntryKind::Submenu) {
            CollectIds(entry.children, ids);
        }
    }
}

std::vector<CommandInfo> AllRows() {
    std::vector<CommandInfo> rows(AllCommands().begin(), AllCommands().end());
    rows.insert(rows.end(), ToolsWithoutCommand().begin(), ToolsWithoutCommand().end());
    return rows;
}

TEST(CommandRegistryTest, EveryMenuAndToolbarEntryHasOneRowAndEveryToolOne) {
    std::set<int> ids;
    std::set<int> tools;
    for (const CommandInfo& row : AllRows()) {
        EXPECT_TRUE(row.id == 0 || ids.insert(row.id).second) << "command twice: " << row.id;
        EXPECT_TRUE(row.tool == 0 || tools.insert(row.tool).second) << "tool twice: " << row.tool;
        EXPECT_TRUE(row.make == nullptr || row.tool != 0) << row.id;
        EXPECT_TRUE(row.checked == nullptr || row.Checkable()) << "no check mark: " << row.id;
        EXPECT_TRUE(row.kind != CommandKind::TemporaryTool || row.make != nullptr) << row.tool;
        EXPECT_TRUE(row.id != 0 || row.InView()) << "a row for nothing";
        EXPECT_FALSE(row.InView() && row.frame != FrameCommand::No) << "answered twice: " << row.id;
    }
    std::vector<int> used;
    for (const auto bar : {DocumentMenuBar(), FrameMenuBar()}) {
        for (const MenuDef& menu : bar) {
            CollectIds(menu.entries, used);
        }
    }
    CollectIds(GridSizeMenu(), used);
    for (const ToolbarDef& bar : Toolbars()) {
        ASSERT_NE(FindCommand(bar.windowId), nullptr) << bar.name;
        EXPECT_TRUE(FindCommand(bar.windowId)->Checkable()) << bar.name;
        for (const int id : bar.buttons) {
            if (id != 0) {
                used.push_back(id);
                EXPECT_TRUE(FindCommand(id) == nullptr || !FindCommand(id)->icon.empty()) << id;
            }
        }
    }
    for (const int id : MyMenuCommands()) {
        used.push_back(id);
    }
    for (const int id : used) {
        EXPECT_NE(FindCommand(id), nullptr) << "no row: " << id;
    }
}

// Each tool row makes a tool for the slot its kind names; a row without a maker leaves the tools
// alone, and an id without a row drops them.
TEST(CommandRegistryTest, ToolRowsMakeTheirToolForTheirSlot) {
    using Kind = IToolFactory::Kind;
    ViewHarness h;
    for (const CommandInfo& row : AllRows()) {
        if (row.tool == 0) {
            continue;
        }
        SCOPED_TRACE(std::to_string(row.id) + " / tool " + std::to_string(row.tool));
        const IToolFactory::Made made = h.factory.Make(row.tool, h.View());
        const Kind expected = row.make == nullptr                      ? Kind::NoTool
                              : row.kind == CommandKind::TemporaryTool ? Kind::Temporary
                                                                       : Kind::Main;
        EXPECT_EQ(made.kind, expected);
        EXPECT_EQ(made.tool != nullptr, row.make != nullptr);
    }
    EXPECT_EQ(h.factory.Make(19999, h.View()).kind, Kind::Unknown);
    h.View().CreateTool(kToolZoomWindow);
    EXPECT_EQ(h.View().GetTempToolId(), kToolZoomWindow);
    h.View().CreateTool(19999);
    EXPECT_EQ(h.View().GetTool(), nullptr);
    EXPECT_EQ(h.View().GetTempTool(), nullptr);
}

}  // namespace
}  // namespace korvo::test

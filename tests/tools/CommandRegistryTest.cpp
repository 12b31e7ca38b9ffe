// The command registry against the menus and toolbars that name its commands and the factory
// that makes its tools: a missing, repeated or wrong row fails here.
#include <gtest/gtest.h>

#include <set>

#include "commands/CommandRegistry.h"
#include "support/ViewHarness.h"

namespace korvo::test {
namespace {

void ExpectRows(std::span<const MenuEntry> entries) {
    for (const MenuEntry& entry : entries) {
        EXPECT_TRUE(entry.kind != MenuEntryKind::Command || FindCommand(entry.id)) << entry.id;
        ExpectRows(entry.children);
    }
}

TEST(CommandRegistryTest, EveryEntryHasOneRowAndEveryToolRowMakesItsKindOfTool) {
    using Kind = IToolFactory::Kind;
    ViewHarness h;
    std::set<int> ids;
    std::set<int> tools;
    for (const auto rows : {AllCommands(), ToolsWithoutCommand()}) {
        for (const CommandInfo& row : rows) {
            EXPECT_TRUE(row.id == 0 || ids.insert(row.id).second) << "twice: " << row.id;
            EXPECT_TRUE(row.tool == 0 || tools.insert(row.tool).second) << "twice: " << row.tool;
            EXPECT_TRUE(row.checked == nullptr || row.Checkable()) << row.id;
            EXPECT_FALSE(row.InView() && row.frame != FrameCommand::No) << row.id;
            const Kind kind = row.make == nullptr                      ? Kind::NoTool
                              : row.kind == CommandKind::TemporaryTool ? Kind::Temporary
                                                                       : Kind::Main;
            const IToolFactory::Made made = h.factory.Make(row.tool, h.View());
            EXPECT_EQ(made.kind, row.tool == 0 ? Kind::Unknown : kind) << row.tool;
            EXPECT_EQ(made.tool != nullptr, row.tool != 0 && row.make != nullptr) << row.tool;
        }
    }
    for (const auto bar : {DocumentMenuBar(), FrameMenuBar()}) {
        for (const MenuDef& menu : bar) {
            ExpectRows(menu.entries);
        }
    }
    ExpectRows(GridSizeMenu());
    for (const ToolbarDef& bar : Toolbars()) {
        EXPECT_TRUE(FindCommand(bar.windowId) && FindCommand(bar.windowId)->Checkable());
        for (const int id : bar.buttons) {
            EXPECT_TRUE(id == 0 || (FindCommand(id) && !FindCommand(id)->icon.empty())) << id;
        }
    }
}

}  // namespace
}  // namespace korvo::test

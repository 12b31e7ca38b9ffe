#pragma once

#include <memory>
#include <vector>

namespace korvo {

class IViewTool;

// The tools of one view: the main tool, a temporary tool over it (zoom window while a line is
// being drawn) and the tools replaced during the event under way. A replaced tool has ended but
// lives on until the view releases it after the outermost event, so a tool that replaced itself
// can still return through its own code.
class CToolStack {
public:
    CToolStack();
    ~CToolStack();
    CToolStack(const CToolStack&) = delete;
    CToolStack& operator=(const CToolStack&) = delete;

    IViewTool* Main() const { return main_.get(); }
    IViewTool* Temporary() const { return temporary_.get(); }
    // The temporary tool when there is one, else the main tool (may be null).
    IViewTool* Active() const { return temporary_ ? temporary_.get() : main_.get(); }
    int MainId() const { return mainId_; }
    int TemporaryId() const { return temporaryId_; }
    int ActiveId() const { return temporary_ ? temporaryId_ : mainId_; }

    // Ends the tool in the slot and starts `tool` (may be null) there under `id`; true when a
    // tool ended. A new temporary tool suspends the main one first.
    bool InstallMain(int id, std::unique_ptr<IViewTool> tool);
    bool InstallTemporary(int id, std::unique_ptr<IViewTool> tool);
    // Ends both tools and leaves the slots empty under `idleId`.
    void Drop(int idleId);
    // Destroys the tools replaced so far.
    void ReleaseRetired();

private:
    bool Install(std::unique_ptr<IViewTool>& slot, int& slotId, int id,
                 std::unique_ptr<IViewTool> tool);
    void Retire(std::unique_ptr<IViewTool>& slot);

    std::unique_ptr<IViewTool> main_;
    std::unique_ptr<IViewTool> temporary_;
    int mainId_ = 0;
    int temporaryId_ = 0;
    std::vector<std::unique_ptr<IViewTool>> retired_;
};

}  // namespace korvo

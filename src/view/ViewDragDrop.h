#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "geometry/PlaneGeometry.h"
#include "platform/ViewHost.h"

namespace korvo {

class CData;
class CDataCollection;
class CKorvoFEView;
struct CDragDropState;
struct ClipboardRead;

// Drawing data that enters or leaves one view by mouse: the drag of its selection (within the
// view, to another view, to another program), drags passing over it with their preview, drops,
// and the clipboard's private format.
class CViewDragDrop {
public:
    CViewDragDrop(CKorvoFEView& view, IViewHost& host);
    ~CViewDragDrop();
    CViewDragDrop(const CViewDragDrop&) = delete;
    CViewDragDrop& operator=(const CViewDragDrop&) = delete;

    std::unique_ptr<CDataCollection> LoadClipboard();
    void DragSelection(PointF pressPoint);
    // `copy`: the modifier that turns a move into a copy is held.
    DropEffect DragOver(std::optional<std::span<const std::byte>> data, bool copy, DevicePoint at);
    DropEffect Drop(std::optional<std::span<const std::byte>> data, bool copy, DevicePoint at);
    void Leave() { ForgetPreview(); }
    CDataCollection* Preview() const { return preview_.get(); }

private:
    void FinishDrag(DropEffect effect, const CDragDropState& drag,
                    const std::vector<CData*>& nodes);
    void AddDropped(CDataCollection& nodes, PointF at);
    void ForgetPreview();
    void ShowDamagedData(const ClipboardRead& read);

    CKorvoFEView& view_;
    IViewHost& host_;
    std::unique_ptr<CDataCollection> preview_;
    std::optional<PointF> lastPoint_;
};

}  // namespace korvo

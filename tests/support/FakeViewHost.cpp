#include "support/FakeViewHost.h"

namespace korvo::test {

bool RecordingSurface::CopyFrom(const IDrawSurface& source, const DeviceRect& rect) {
    copies_.push_back({&source, rect});
    return true;
}

void RecordingSurface::Reset() {
    context_ = Context_{};
    copies_.clear();
}

std::unique_ptr<IDrawSurface> FakeViewHost::CreateSurface(int width, int height) {
    switch (surfaceFailure) {
        case SurfaceFailure::NoSurface:
            return nullptr;
        case SurfaceFailure::WrongSize:
            return std::make_unique<RecordingSurface>(0, 0);
        case SurfaceFailure::None:
            break;
    }
    if (surfaceFactory) {
        return surfaceFactory(width, height);
    }
    return std::make_unique<RecordingSurface>(width, height);
}

std::unique_ptr<IDrawSurface> FakeViewHost::CreateWindowSurface(int width, int height) {
    if (surfaceFactory) {
        return surfaceFactory(width, height);
    }
    return std::make_unique<RecordingSurface>(width, height);
}

void FakeViewHost::SetStatusText(int pane, std::string_view text) {
    statusHistory.emplace_back(pane, std::string(text));
    CHeadlessHost::SetStatusText(pane, text);
}

bool FakeViewHost::WarpPointer(DevicePoint client) {
    if (refuseWarps) {
        return false;
    }
    warps.push_back(client);
    pointer = client;
    return true;
}

DropEffect FakeViewHost::DoDragDrop(std::string_view format, std::span<const std::byte> data) {
    drags.push_back({std::string(format), {data.begin(), data.end()}});
    return dragScript ? dragScript(data) : DropEffect::None;
}

MessageAnswer FakeViewHost::ShowMessage(const MessageRequest& request) {
    messages.push_back(request);
    if (!answers_.empty()) {
        const MessageAnswer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    return request.buttons == MessageButtons::Ok || request.buttons == MessageButtons::OkCancel
               ? MessageAnswer::Ok
               : MessageAnswer::Yes;
}

bool FakeViewHost::AskUserGrid(float& x, float& y) {
    userGridPresets.emplace_back(x, y);
    if (grids_.empty()) {
        return false;
    }
    const auto answer = grids_.front();
    grids_.pop_front();
    if (!answer) {
        return false;
    }
    x = answer->first;
    y = answer->second;
    return true;
}

bool FakeViewHost::AskValues(ValueInputRows& rows) {
    valuePresets.push_back(rows);
    if (values_.empty()) {
        return false;
    }
    const auto answer = values_.front();
    values_.pop_front();
    if (!answer) {
        return false;
    }
    rows = *answer;
    return true;
}

}  // namespace korvo::test

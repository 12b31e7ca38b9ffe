#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace korvo {

// Device pens or brushes found again by their three defining values. Indices start at 1 and stay
// valid for the table's life, so elements can cache them; an index the table never gave out
// answers the first entry rather than reading outside the table.
template <class Resource>
class CResourceTable {
public:
    using Key = std::array<std::uint32_t, 3>;

    template <class Make>
    int Find(const Key& key, Make make) {
        for (std::size_t i = 0; i < keys_.size(); ++i) {
            if (keys_[i] == key) {
                return static_cast<int>(i) + 1;
            }
        }
        keys_.push_back(key);
        resources_.push_back(make());
        return static_cast<int>(resources_.size());
    }

    const Resource& At(int index) const {
        static const Resource kFallback{};
        if (index < 1 || index > Count()) {
            return resources_.empty() ? kFallback : resources_.front();
        }
        return resources_[static_cast<std::size_t>(index) - 1];
    }

    int Count() const { return static_cast<int>(resources_.size()); }

private:
    std::vector<Key> keys_;
    std::vector<Resource> resources_;
};

}  // namespace korvo

#pragma once
// Base classes of the objects a GIF image is made of: the item (header,
// frame, extension) and the owning, ordered list of items.

#include <algorithm>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace kestrova {

class TGIFImage;

// Severity of the warnings a GIF item reports.
constexpr int gsWarning = 1;

// Ordered: a later version is greater.
enum class TGIFVersion { gvUnknown, gv87a, gv89a };

class TGIFItem {
 public:
  explicit TGIFItem(TGIFImage* image) : image_(image) {}
  virtual ~TGIFItem() = default;
  TGIFItem(const TGIFItem&) = delete;
  TGIFItem& operator=(const TGIFItem&) = delete;

  TGIFImage* Image() const { return image_; }
  virtual TGIFVersion GetVersion() const { return TGIFVersion::gv87a; }
  // Hands the message to the image's warning handler with this item as sender.
  void Warning(int severity, const std::string& message) const;

  virtual void SaveToStream(std::ostream& stream) const = 0;
  virtual void LoadFromStream(std::istream& stream) = 0;

 private:
  TGIFImage* image_;
};

template <class Item>
class TGIFList {
 public:
  explicit TGIFList(TGIFImage* image) : image_(image) {}
  virtual ~TGIFList() = default;
  TGIFList(const TGIFList&) = delete;
  TGIFList& operator=(const TGIFList&) = delete;

  TGIFImage* Image() const { return image_; }
  int Count() const { return static_cast<int>(items_.size()); }
  Item& operator[](int index) const { return *items_.at(static_cast<std::size_t>(index)); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

  // Appends the item and returns its index.
  int Add(std::unique_ptr<Item> item) {
    items_.push_back(std::move(item));
    return Count() - 1;
  }
  // Removes and frees the item at index.
  void Delete(int index) { items_.erase(items_.begin() + index); }
  // Takes the item out of the list without freeing it; null when not listed.
  std::unique_ptr<Item> Remove(const Item* item) {
    const auto it = std::find_if(items_.begin(), items_.end(),
                                 [item](const auto& p) { return p.get() == item; });
    if (it == items_.end()) return nullptr;
    std::unique_ptr<Item> removed = std::move(*it);
    items_.erase(it);
    return removed;
  }
  void Clear() { items_.clear(); }
  // Exchanges the items of two lists of the same image.
  void Swap(TGIFList& other) { items_.swap(other.items_); }

  void SaveToStream(std::ostream& stream) const {
    for (const auto& item : items_) item->SaveToStream(stream);
  }

 private:
  TGIFImage* image_;
  std::vector<std::unique_ptr<Item>> items_;
};

}  // namespace kestrova

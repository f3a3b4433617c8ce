#pragma once
// A store of named properties objects that several edits can share: an edit whose repository
// item is set uses the item's properties instead of its own.
#include "editors/cxEdit/cxEditProperties.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace velkaro {

class TcxEditRepositoryItem;

// Implemented by the edits that use an item.
class IcxEditRepositoryItemListener {
public:
    virtual void ItemPropertiesChanged(TcxEditRepositoryItem& item) = 0;
    // The item is going away: return to the own properties.
    virtual void ItemRemoved(TcxEditRepositoryItem& item) = 0;

protected:
    ~IcxEditRepositoryItemListener() = default;
};

class TcxEditRepositoryItem : public TObject, private IcxEditPropertiesOwner {
public:
    using TPropertiesFactory =
        std::function<std::unique_ptr<TcxCustomEditProperties>(IcxEditPropertiesOwner*)>;

    TcxEditRepositoryItem(std::wstring name, const TPropertiesFactory& createProperties);
    ~TcxEditRepositoryItem() override;
    TcxEditRepositoryItem(const TcxEditRepositoryItem&) = delete;
    TcxEditRepositoryItem& operator=(const TcxEditRepositoryItem&) = delete;

    const std::wstring& Name() const { return name_; }
    TcxCustomEditProperties& Properties() { return *properties_; }

    void AddListener(IcxEditRepositoryItemListener& listener);
    void RemoveListener(IcxEditRepositoryItemListener& listener);

private:
    bool IsDestroying() const override { return destroying_; }
    void PropertiesChanged();

    std::wstring name_;
    std::unique_ptr<TcxCustomEditProperties> properties_;
    std::vector<IcxEditRepositoryItemListener*> listeners_;
    bool destroying_ = false;
};

class TcxEditRepository {
public:
    TcxEditRepositoryItem& CreateItem(std::wstring name,
                                      const TcxEditRepositoryItem::TPropertiesFactory& factory);
    void RemoveItem(TcxEditRepositoryItem& item);
    int Count() const { return static_cast<int>(items_.size()); }
    TcxEditRepositoryItem& Items(int index) const;

private:
    std::vector<std::unique_ptr<TcxEditRepositoryItem>> items_;
};

} // namespace velkaro

#pragma once
// The buttons an edit can draw inside its frame. No edit of the program has any; the collection
// is carried so that button editors can be built on the same properties.
#include <functional>
#include <vector>

namespace velkaro {

enum TcxEditButtonKind { bkEllipsis, bkDown, bkGlyph };

struct TcxEditButton {
    bool Default = false;
    TcxEditButtonKind Kind = bkDown;
    bool LeftAlignment = false;
    bool Visible = true;
    int Width = 0; // 0: the look-and-feel's width

    friend bool operator==(const TcxEditButton&, const TcxEditButton&) = default;
};

class TcxEditButtons {
public:
    int Count() const { return static_cast<int>(buttons_.size()); }
    const TcxEditButton& Items(int index) const;
    void SetItem(int index, const TcxEditButton& button);
    void Add(const TcxEditButton& button);
    void Delete(int index);
    void Assign(const TcxEditButtons& source);

    // Called after every change of the collection.
    std::function<void()> OnChanged;

private:
    void Changed();

    std::vector<TcxEditButton> buttons_;
};

} // namespace velkaro

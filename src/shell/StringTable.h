#pragma once
// The program's string table, ids 1000 to 1084: captions of the standard menus,
// the toolbar's tool tips and the labels of the small dialogs. Windows designed
// with ids as captions or tips get their texts from here at load
// (ApplyResourceStrings).
#include <QString>
#include <optional>

namespace tervalo::shell {

class StringTable {
public:
    static constexpr int kFirstId = 1000;
    static constexpr int kLastId = 1084;

    // The entry with the id, or nothing when the table has none.
    static std::optional<QString> text(int id);
};

}  // namespace tervalo::shell

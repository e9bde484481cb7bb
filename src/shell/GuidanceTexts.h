#pragma once
// The start page's guidance: a title and a text for each tab's introduction
// (entry 0) and for each of its buttons (entry i + 1 for the button with
// index i). Tab 0 ("For Dummy") fills entries 0 to 11, tab 1 ("For
// Professional") entries 0 to 12; the rest of the 20 entries stay empty.
// The example statements give the data that each window's example enters.
#include <QString>
#include <array>

namespace tervalo::shell {

class GuidanceTexts {
public:
    static constexpr int kEntries = 20;
    using Entries = std::array<QString, kEntries>;

    GuidanceTexts();

    // Tab 0: the wizard and the worked examples.
    const Entries& strHelpDummy() const { return m_helpDummy; }
    const Entries& strTitleDummy() const { return m_titleDummy; }
    // Tab 1: one entry per model, demand forecasting and the data warehouse.
    const Entries& strHelpPro() const { return m_helpPro; }
    const Entries& strTitlePro() const { return m_titlePro; }

    // The text and title of `entry` on `tab` (0 or 1); empty outside 0 to 19.
    QString help(int tab, int entry) const;
    QString title(int tab, int entry) const;

private:
    void fillDummy();
    void fillPro();

    Entries m_helpDummy;
    Entries m_titleDummy;
    Entries m_helpPro;
    Entries m_titlePro;
};

}  // namespace tervalo::shell

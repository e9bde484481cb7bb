#pragma once
// Every window of the program by id, and the form name each goes by (its
// objectName, which tests, the screenshot tour and accessibility read). The
// registry takes only ids, so a misspelt window does not compile; each window
// takes its objectName from here.
#include <QString>
#include <QStringView>
#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace tervalo::widgets {

enum class WindowId {
    // the main window and what it shows of itself
    Main,
    Splash,
    Starting,
    Help,
    Document,
    About,
    Options,
    Login,
    Browser,
    Report,
    // lot sizes
    PurchaseNS,
    PurchaseSA,
    ManufNS,
    ManufSA,
    IncrementalDiscount,
    AllUnitDiscount,
    // stochastic demand
    SinglePeriodC,
    SinglePeriodD,
    MultiperiodA,
    MultiperiodB,
    // demand estimation and the model wizard's steps
    D1,
    D2,
    Wizard,
    W1,
    W2,
    W3,
    // the sales-data warehouse
    SalesData,
    FindItem,
    DataSource,
    DataConfig,
    SampleFile,
    Log,
};

struct WindowForm {
    WindowId id;
    std::string_view formName;
};

// In the order of WindowId, one row each.
inline constexpr std::array kWindowForms{
    WindowForm{WindowId::Main, "frmMain"},
    WindowForm{WindowId::Splash, "frmSplash"},
    WindowForm{WindowId::Starting, "frmStarting"},
    WindowForm{WindowId::Help, "frmHelp"},
    WindowForm{WindowId::Document, "frmDocument"},
    WindowForm{WindowId::About, "frmAbout"},
    WindowForm{WindowId::Options, "frmOptions"},
    WindowForm{WindowId::Login, "frmLogin"},
    WindowForm{WindowId::Browser, "frmBrowser"},
    WindowForm{WindowId::Report, "frmReport"},
    WindowForm{WindowId::PurchaseNS, "frmPurchaseNS"},
    WindowForm{WindowId::PurchaseSA, "frmPurchaseSA"},
    WindowForm{WindowId::ManufNS, "frmManufNS"},
    WindowForm{WindowId::ManufSA, "frmManufSA"},
    WindowForm{WindowId::IncrementalDiscount, "frmIncrementalDiscount"},
    WindowForm{WindowId::AllUnitDiscount, "frmAllUnitDiscount"},
    WindowForm{WindowId::SinglePeriodC, "frmSinglePeriodC"},
    WindowForm{WindowId::SinglePeriodD, "frmSinglePeriodD"},
    WindowForm{WindowId::MultiperiodA, "frmMultiperiodA"},
    WindowForm{WindowId::MultiperiodB, "frmMultiperiodB"},
    WindowForm{WindowId::D1, "frmD1"},
    WindowForm{WindowId::D2, "frmD2"},
    WindowForm{WindowId::Wizard, "frmWizard"},
    WindowForm{WindowId::W1, "frmW1"},
    WindowForm{WindowId::W2, "frmW2"},
    WindowForm{WindowId::W3, "frmW3"},
    WindowForm{WindowId::SalesData, "frmSalesData"},
    WindowForm{WindowId::FindItem, "frmFindItem"},
    WindowForm{WindowId::DataSource, "frmDataSource"},
    WindowForm{WindowId::DataConfig, "frmDataConfig"},
    WindowForm{WindowId::SampleFile, "frmSampleFile"},
    WindowForm{WindowId::Log, "frmLog"},
};

inline constexpr std::size_t kWindowCount = kWindowForms.size();

constexpr std::size_t windowIndex(WindowId id) { return static_cast<std::size_t>(id); }

// A row out of place would give a window another's name.
constexpr bool windowFormsInOrder() {
    for (std::size_t i = 0; i < kWindowCount; ++i)
        if (windowIndex(kWindowForms[i].id) != i) return false;
    return windowIndex(WindowId::Log) + 1 == kWindowCount;
}
static_assert(windowFormsInOrder(), "kWindowForms needs one row per WindowId, in its order");

constexpr std::string_view formNameText(WindowId id) { return kWindowForms[windowIndex(id)].formName; }

// The form name as the window's objectName.
inline QString formName(WindowId id) {
    const std::string_view text = formNameText(id);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// The window a form name names (as a command line or a stored name gives it);
// none for a name no window goes by.
inline std::optional<WindowId> windowIdOf(QStringView name) {
    for (const WindowForm& form : kWindowForms)
        if (name.compare(QLatin1StringView(form.formName.data(), static_cast<qsizetype>(form.formName.size()))) == 0)
            return form.id;
    return std::nullopt;
}

}  // namespace tervalo::widgets

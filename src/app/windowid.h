#pragma once

#include <QAnyStringView>
#include <QHashFunctions>
#include <QLatin1String>

#include <array>
#include <cstddef>
#include <optional>

namespace spawnsmith {

// Every window of the wizard, listed once. Each entry is the window's objectName and, spelt the
// same, its WindowId enumerator: a grep for a window's name finds both its tables and its uses,
// and a table that names a window the list lacks does not compile.
#define SPAWNSMITH_WINDOWS(X)                                                                      \
    /* screens */                                                                                  \
    X(frmgtaccload)                                                                                \
    X(frmgtapick)                                                                                  \
    X(frmgta3codepick)                                                                             \
    X(frmgtavccodepick)                                                                            \
    X(frmgtasacodepick)                                                                            \
    X(frmgta3weapon)                                                                               \
    X(frmgta3item)                                                                                 \
    X(frmgta3vehicle)                                                                              \
    X(frmgtavcweapon)                                                                              \
    X(frmgtavcitem)                                                                                \
    X(frmgtavcvehicle)                                                                             \
    X(frmgtasaweapon)                                                                              \
    X(frmgtasaitem)                                                                                \
    X(frmgtasavehicle)                                                                             \
    X(frmgta3weaponcode)                                                                           \
    X(frmgta3itemfinished)                                                                         \
    X(frmgta3vehiclefinished)                                                                      \
    X(frmgtavcweaponfinished)                                                                      \
    X(frmgtavcitemfinished)                                                                        \
    X(frmgtavcvehiclefinished)                                                                     \
    X(frmgtasaweaponfinished)                                                                      \
    X(frmgtasaitemfinished)                                                                        \
    X(frmgtasavehiclefinished)                                                                     \
    /* confirm-exit dialogs */                                                                     \
    X(frmgtagpexit)                                                                                \
    X(frmgta3cpexit)                                                                               \
    X(frmgtavccpexit)                                                                              \
    X(frmgtasacpexit)                                                                              \
    X(frmgta3weaponexit)                                                                           \
    X(frmgta3itemexit)                                                                             \
    X(frmgta3vehicleexit)                                                                          \
    X(frmgtavcweaponexit)                                                                          \
    X(frmgtavcitemexit)                                                                            \
    X(frmgtavcvehicleexit)                                                                         \
    X(frmgtasaweaponexit)                                                                          \
    X(frmgtasaitemexit)                                                                            \
    X(frmgtasavehicleexit)                                                                         \
    X(frmgta3weaponfinishedexit)                                                                   \
    X(frmgta3itemfinishedexit)                                                                     \
    X(frmgta3vehiclefinishedexit)                                                                  \
    X(frmgtavcweaponfinishedexit)                                                                  \
    X(frmgtavcitemfinishedexit)                                                                    \
    X(frmgtavcvehiclefinishedexit)                                                                 \
    X(frmgtasaweaponfinishedexit)                                                                  \
    X(frmgtasaitemfinishedexit)                                                                    \
    X(frmgtasavehiclefinishedexit)                                                                 \
    X(frmemailexit)                                                                                \
    /* information, not-available and composer windows */                                          \
    X(frmaboutprogram)                                                                             \
    X(frmaboutversion)                                                                             \
    X(frmaboutcopyright)                                                                           \
    X(frmthanks)                                                                                   \
    X(frm3notavailable)                                                                            \
    X(frmvcnotavailable)                                                                           \
    X(frmsanotavailable)                                                                           \
    X(frmsendemail)

enum class WindowId {
#define SPAWNSMITH_WINDOW_ENUMERATOR(name) name,
    SPAWNSMITH_WINDOWS(SPAWNSMITH_WINDOW_ENUMERATOR)
#undef SPAWNSMITH_WINDOW_ENUMERATOR
};

inline constexpr std::array allWindowIds = {
#define SPAWNSMITH_WINDOW_ID(name) WindowId::name,
    SPAWNSMITH_WINDOWS(SPAWNSMITH_WINDOW_ID)
#undef SPAWNSMITH_WINDOW_ID
};

inline constexpr std::size_t windowCount = allWindowIds.size();

// The window's objectName, which is also its name in every message about it.
constexpr QLatin1String objectNameOf(WindowId window) {
    constexpr std::array<QLatin1String, windowCount> names = {
#define SPAWNSMITH_WINDOW_NAME(name) QLatin1String(#name),
        SPAWNSMITH_WINDOWS(SPAWNSMITH_WINDOW_NAME)
#undef SPAWNSMITH_WINDOW_NAME
    };
    return names[static_cast<std::size_t>(window)];
}

inline size_t qHash(WindowId window, size_t seed = 0) noexcept {
    return ::qHash(static_cast<int>(window), seed);
}

// The window of this objectName, for names that come from outside the program (test data);
// nothing when no window has that name.
std::optional<WindowId> windowIdFromName(QAnyStringView name);

} // namespace spawnsmith

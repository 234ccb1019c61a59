// The service's own log messages. Polish letters are Windows-1250 bytes.
#pragma once

namespace spr {

inline constexpr char kMsgOkStart[] =
    "OK START !!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!";
inline constexpr char kMsgEndJob[] =
    "END JOB !!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!";
// "ERROR: inicjalizacji obsługi sprawdzarek - usługa zostanie zatrzymana"
inline constexpr char kMsgStartError[] =
    "ERROR: inicjalizacji obs\xB3ugi sprawdzarek - us\xB3uga zostanie "
    "zatrzymana";
// "ERROR2: inicjalizacji obsługi sprawdzarek - usługa zostanie zatrzymana"
inline constexpr char kMsgStartError2[] =
    "ERROR2: inicjalizacji obs\xB3ugi sprawdzarek - us\xB3uga zostanie "
    "zatrzymana";
// "Brak biblioteki spr_lan.dll - usługa zostanie zatrzymana"
inline constexpr char kMsgNoLibrary[] =
    "Brak biblioteki spr_lan.dll - us\xB3uga zostanie zatrzymana";
// "Brak funkcji <name> w bibliotece spr_lan - usługa zostanie zatrzymana"
inline constexpr char kMsgNoEntryPointBefore[] = "Brak funkcji ";
inline constexpr char kMsgNoEntryPointAfter[] =
    " w bibliotece spr_lan - us\xB3uga zostanie zatrzymana";

}  // namespace spr

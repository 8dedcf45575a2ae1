#pragma once
// Late binding: the members of the control's interface _Ctr_Vantelor with their dispatch
// identifiers, and the values Ctr_Vantelor::Invoke passes in and out, for hosts that
// call members by number rather than by name.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "vantelor/dispatch_error.h"
#include "vantelor/objects.h"

namespace vantelor {

enum class DispatchKind { Method = 1, PropertyGet = 2, PropertyPut = 4 };

struct InterfaceMember {
  std::string_view name;
  DispatchKind kind;
  std::uint32_t id;
};

// The members of _Ctr_Vantelor in the order of the interface.
inline constexpr std::array<InterfaceMember, 16> kInterface = {{
    {"W_Sortir", DispatchKind::PropertyGet, 0x40030000},
    {"W_Sortir", DispatchKind::PropertyPut, 0x40030000},
    {"W_CodeAidant", DispatchKind::PropertyGet, 0x40030001},
    {"W_CodeAidant", DispatchKind::PropertyPut, 0x40030001},
    {"DroitsUtilisateur", DispatchKind::PropertyPut, 0x68030002},
    {"TheClient", DispatchKind::PropertyPut, 0x68030001},
    {"TheDatabase", DispatchKind::PropertyPut, 0x68030000},
    {"Init", DispatchKind::Method, 0x60030003},
    {"Recherche_PreImp", DispatchKind::Method, 0x60030004},
    {"Remplir_PeriodeAn", DispatchKind::Method, 0x60030005},
    {"Verif_Zones", DispatchKind::Method, 0x60030006},
    {"Recherche_Bulletin", DispatchKind::Method, 0x60030007},
    {"Vider_Zones", DispatchKind::Method, 0x60030008},
    {"Gestion_Bdv", DispatchKind::Method, 0x60030009},
    {"Rechercher", DispatchKind::Method, 0x6003001D},
    {"Affiche_Bull", DispatchKind::Method, 0x6003002D},
}};

// The dispatch identifier of a member name, in any case; nullopt for an unknown name.
std::optional<std::uint32_t> DispatchId(std::string_view name);

// An argument or a result: nothing, a Boolean, a String or one of the outside objects
// (an empty object reference or nothing = "no object").
using Argument = std::variant<std::monostate, bool, std::string, ClientRef, DatabaseRef, RightsRef>;

}  // namespace vantelor

// Late binding: members of _Ctr_Vantelor called by their dispatch identifiers.
#include <algorithm>
#include <cctype>

#include "vantelor/ctr_vantelor.h"

namespace vantelor {
namespace {

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// Argument i as a T; "nothing" stands for an empty object reference.
template <typename T>
T& As(const InterfaceMember& m, std::vector<Argument>& args, std::size_t i) {
  if constexpr (!std::is_same_v<T, bool> && !std::is_same_v<T, std::string>) {
    if (std::holds_alternative<std::monostate>(args[i])) args[i] = T();
  }
  T* value = std::get_if<T>(&args[i]);
  if (!value) throw DispatchError::WrongType(m.name, "argument " + std::to_string(i + 1));
  return *value;
}

using Args = std::vector<Argument>;
using M = const InterfaceMember&;
using C = Ctr_Vantelor&;
using Call = Argument (*)(C, M, Args&);

// One row per member: the member as kInterface lists it, its count of arguments, its call.
struct Binding {
  InterfaceMember member;
  std::size_t least, most;
  Call call;
};

// The row of the member `name` of kind `kind`, its identifier taken from kInterface: a
// name or a kind that the interface lacks does not compile.
consteval Binding Bind(std::string_view name, DispatchKind kind, std::size_t least,
                       std::size_t most, Call call) {
  for (const InterfaceMember& m : kInterface) {
    if (m.name == name && m.kind == kind) return {m, least, most, call};
  }
  throw "not a member of _Ctr_Vantelor";
}

constexpr DispatchKind kGet = DispatchKind::PropertyGet;
constexpr DispatchKind kPut = DispatchKind::PropertyPut;
constexpr DispatchKind kMethod = DispatchKind::Method;

// A method without arguments.
template <void (Ctr_Vantelor::*method)()>
Argument Run(C c, M, Args&) {
  (c.*method)();
  return {};
}

constexpr std::array kBindings = {
    Bind("W_Sortir", kGet, 0, 0, [](C c, M, Args&) -> Argument { return c.get_W_Sortir(); }),
    Bind("W_Sortir", kPut, 1, 1,
         [](C c, M m, Args& a) -> Argument {
           c.put_W_Sortir(As<bool>(m, a, 0));
           return {};
         }),
    Bind("W_CodeAidant", kGet, 0, 0,
         [](C c, M, Args&) -> Argument { return c.get_W_CodeAidant(); }),
    Bind("W_CodeAidant", kPut, 1, 1,
         [](C c, M m, Args& a) -> Argument {
           c.put_W_CodeAidant(As<std::string>(m, a, 0));
           return {};
         }),
    Bind("DroitsUtilisateur", kPut, 1, 1,
         [](C c, M m, Args& a) -> Argument {
           c.put_DroitsUtilisateur(As<RightsRef>(m, a, 0));
           return {};
         }),
    Bind("TheClient", kPut, 1, 1,
         [](C c, M m, Args& a) -> Argument {
           c.put_TheClient(As<ClientRef>(m, a, 0));
           return {};
         }),
    Bind("TheDatabase", kPut, 1, 1,
         [](C c, M m, Args& a) -> Argument {
           c.put_TheDatabase(As<DatabaseRef>(m, a, 0));
           return {};
         }),
    Bind("Init", kMethod, 0, 0, Run<&Ctr_Vantelor::Init>),
    Bind("Recherche_PreImp", kMethod, 0, 0, Run<&Ctr_Vantelor::Recherche_PreImp>),
    Bind("Remplir_PeriodeAn", kMethod, 0, 0, Run<&Ctr_Vantelor::Remplir_PeriodeAn>),
    Bind("Verif_Zones", kMethod, 0, 0, Run<&Ctr_Vantelor::Verif_Zones>),
    Bind("Recherche_Bulletin", kMethod, 1, 2,
         [](C c, M m, Args& a) -> Argument {
           std::string& etre = As<std::string>(m, a, 0);
           c.Recherche_Bulletin(etre, a.size() == 2 ? &As<std::string>(m, a, 1) : nullptr);
           return {};
         }),
    Bind("Vider_Zones", kMethod, 0, 0, Run<&Ctr_Vantelor::Vider_Zones>),
    Bind("Gestion_Bdv", kMethod, 0, 0, Run<&Ctr_Vantelor::Gestion_Bdv>),
    Bind("Rechercher", kMethod, 0, 0, Run<&Ctr_Vantelor::Rechercher>),
    Bind("Affiche_Bull", kMethod, 0, 0, Run<&Ctr_Vantelor::Affiche_Bull>),
};

// Every member of the interface has exactly one row.
constexpr bool EveryMemberBoundOnce() {
  for (const InterfaceMember& m : kInterface) {
    int rows = 0;
    for (const Binding& b : kBindings) rows += b.member.id == m.id && b.member.kind == m.kind;
    if (rows != 1) return false;
  }
  return kBindings.size() == kInterface.size();
}
static_assert(EveryMemberBoundOnce(), "each member of kInterface needs exactly one binding");

}  // namespace

std::optional<std::uint32_t> DispatchId(std::string_view name) {
  for (const InterfaceMember& m : kInterface) {
    if (SameName(m.name, name)) return m.id;
  }
  return std::nullopt;
}

Argument Ctr_Vantelor::Invoke(std::uint32_t id, DispatchKind kind, std::vector<Argument>& args) {
  for (const Binding& b : kBindings) {
    if (b.member.id != id || b.member.kind != kind) continue;
    if (args.size() < b.least || args.size() > b.most) {
      throw DispatchError::WrongCount(b.member.name, b.least, b.most, args.size());
    }
    return b.call(*this, b.member, args);
  }
  throw DispatchError::NoMember(id);
}

}  // namespace vantelor

// Late binding: members of _Ctr_Vantelor called by their dispatch identifiers.
#include <algorithm>
#include <cctype>
#include <sstream>

#include "vantelor/ctr_vantelor.h"

namespace vantelor {
namespace {

std::string Hex(std::uint32_t id) {
  std::ostringstream out;
  out << "0x" << std::hex << std::uppercase << id;
  return out.str();
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

void Count(const InterfaceMember& m, const std::vector<Argument>& args, std::size_t least,
           std::size_t most) {
  if (args.size() < least || args.size() > most) {
    throw DispatchError(kBadParamCount, std::string(m.name) + " takes " + std::to_string(least) +
                                            (most > least ? " or " + std::to_string(most) : "") +
                                            " argument(s), not " + std::to_string(args.size()));
  }
}

// Argument i as a T; "nothing" stands for an empty object reference.
template <typename T>
T& As(const InterfaceMember& m, std::vector<Argument>& args, std::size_t i) {
  if constexpr (!std::is_same_v<T, bool> && !std::is_same_v<T, std::string>) {
    if (std::holds_alternative<std::monostate>(args[i])) args[i] = T();
  }
  T* value = std::get_if<T>(&args[i]);
  if (!value) {
    throw DispatchError(kTypeMismatch, std::string(m.name) + ": argument " + std::to_string(i + 1) +
                                           " has the wrong type");
  }
  return *value;
}

using Args = std::vector<Argument>;
using M = const InterfaceMember&;
using C = Ctr_Vantelor&;

// One call per member, in the order of kInterface, with its count of arguments.
struct Binding {
  std::size_t least, most;
  Argument (*call)(C, M, Args&);
};

const std::array<Binding, kInterface.size()> kBindings = {{
    {0, 0, [](C c, M, Args&) -> Argument { return c.get_W_Sortir(); }},
    {1, 1,
     [](C c, M m, Args& a) -> Argument {
       c.put_W_Sortir(As<bool>(m, a, 0));
       return {};
     }},
    {0, 0, [](C c, M, Args&) -> Argument { return c.get_W_CodeAidant(); }},
    {1, 1,
     [](C c, M m, Args& a) -> Argument {
       c.put_W_CodeAidant(As<std::string>(m, a, 0));
       return {};
     }},
    {1, 1,
     [](C c, M m, Args& a) -> Argument {
       c.put_DroitsUtilisateur(As<RightsRef>(m, a, 0));
       return {};
     }},
    {1, 1,
     [](C c, M m, Args& a) -> Argument {
       c.put_TheClient(As<ClientRef>(m, a, 0));
       return {};
     }},
    {1, 1,
     [](C c, M m, Args& a) -> Argument {
       c.put_TheDatabase(As<DatabaseRef>(m, a, 0));
       return {};
     }},
    {0, 0,
     [](C c, M, Args&) -> Argument {
       c.Init();
       return {};
     }},
    {0, 0,
     [](C c, M, Args&) -> Argument {
       c.Recherche_PreImp();
       return {};
     }},
    {0, 0,
     [](C c, M, Args&) -> Argument {
       c.Remplir_PeriodeAn();
       return {};
     }},
    {0, 0,
     [](C c, M, Args&) -> Argument {
       c.Verif_Zones();
       return {};
     }},
    {1, 2,
     [](C c, M m, Args& a) -> Argument {
       std::string& etre = As<std::string>(m, a, 0);
       c.Recherche_Bulletin(etre, a.size() == 2 ? &As<std::string>(m, a, 1) : nullptr);
       return {};
     }},
    {0, 0,
     [](C c, M, Args&) -> Argument {
       c.Vider_Zones();
       return {};
     }},
    {0, 0,
     [](C c, M, Args&) -> Argument {
       c.Gestion_Bdv();
       return {};
     }},
    {0, 0,
     [](C c, M, Args&) -> Argument {
       c.Rechercher();
       return {};
     }},
    {0, 0,
     [](C c, M, Args&) -> Argument {
       c.Affiche_Bull();
       return {};
     }},
}};

}  // namespace

std::optional<std::uint32_t> DispatchId(std::string_view name) {
  for (const InterfaceMember& m : kInterface) {
    if (SameName(m.name, name)) return m.id;
  }
  return std::nullopt;
}

Argument Ctr_Vantelor::Invoke(std::uint32_t id, DispatchKind kind, std::vector<Argument>& args) {
  for (std::size_t i = 0; i < kInterface.size(); ++i) {
    const InterfaceMember& m = kInterface[i];
    if (m.id != id || m.kind != kind) continue;
    Count(m, args, kBindings[i].least, kBindings[i].most);
    return kBindings[i].call(*this, m, args);
  }
  throw DispatchError(kMemberNotFound, "no member " + Hex(id) + " of that kind");
}

}  // namespace vantelor

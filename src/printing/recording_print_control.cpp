#include "printing/recording_print_control.h"

namespace printing {

void RecordingPrintControl::Invoke(DispId id, std::vector<Variant>& args) {
  calls.push_back(id);
  switch (id) {
    case kDispDatabase:
      RequireArgumentCount(args, 1, id);
      database = args[0].AsDatabase("database");
      return;
    case kDispClient:
      RequireArgumentCount(args, 1, id);
      client = args[0].AsClient("client");
      return;
    case kDispEditionBulletins: {
      EditionArguments a = UnpackEditionBulletins(args);
      editions.push_back({KeysOf(a.keys), a.interactive, a.user, a.status, a.preprinted});
      if (during) during(editions.back());
      if (failure && failureShown) throw ShownPrintFailure(failure->what());
      if (failure) throw *failure;
      a.status = statusOnReturn;
      return;
    }
    default:
      throw vantelor::DispatchError::NoMember(id);
  }
}

}  // namespace printing

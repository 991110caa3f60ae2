#include "app/single_instance.h"

namespace app {

bool AnotherCopyIsRunning(platform::Kernel& kernel) {
  return kernel.CreateNamedEvent(kSingleInstanceEventName) == platform::EventResult::kAlreadyExists;
}

}  // namespace app

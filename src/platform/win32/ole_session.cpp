#include "platform/win32/ole_session.h"

#include <ole2.h>

namespace platform::win32 {

OleSession::OleSession() : result_(::OleInitialize(nullptr)) {}

OleSession::~OleSession() {
  // Every successful OleInitialize, S_FALSE included, is paired with one
  // OleUninitialize; a failed one must not be.
  if (active()) ::OleUninitialize();
}

}  // namespace platform::win32

#include "session/guard.h"

#include "table/errors.h"

#include <exception>

namespace nablo {

bool EventGuard::run(const std::function<void()>& event)
{
    if (running_ || exitStatus_)
        return false;
    running_ = true;
    try {
        event();
    } catch (const ProgramEnd&) {
        exitStatus_ = 0;
    } catch (const RunTimeError& failure) {
        error_ = failure.what();
        exitStatus_ = 1;
    } catch (const std::exception& failure) {
        error_ = std::string("Internal error: ") + failure.what();
        exitStatus_ = 1;
    }
    running_ = false;
    return true;
}

} // namespace nablo

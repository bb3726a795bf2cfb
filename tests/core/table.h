#pragma once

#include "game/reset.h"
#include "recordingplatform.h"
#include "table/form.h"
#include "table/numbers.h"

#include <initializer_list>
#include <string>

namespace nablo::testing {

// A window model after its load event, on a recording platform.
struct Table {
    RecordingPlatform platform;
    Form1 form{platform};

    Table()
    {
        Form_Load(form);
        platform.clear();
    }

    std::string caption(std::string_view name) { return form.find(name)->caption(); }
    Control& control(std::string_view name) { return *form.find(name); }
    double number(std::string_view name) { return readNumber(*form.find(name)); }

    // Queues the draws of these card codes, in order.
    void queueCodes(std::initializer_list<int> codes)
    {
        for (int code : codes)
            platform.queueCode(code);
    }
};

} // namespace nablo::testing

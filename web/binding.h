#pragma once

#include "session/run.h"

#include <nlohmann/json.hpp>

namespace nablo::web {

// What the page's calls answer: JSON objects, their keys in the order given.
using Json = nlohmann::ordered_json;

// The run the page plays; nullptr before the first start.
Run* pageRun();

// The page reads it as 0 running, 1 ended, 2 failed.
int runState();

// Hands the page's call its answer as JSON text: it stays valid until the next call.
const char* answer(const Json& value);

} // namespace nablo::web

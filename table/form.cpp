#include "table/form.h"

#include <algorithm>

namespace nablo {

Form1::Form1(Platform& platform) : platform_(&platform)
{
    controls_.reserve(windowDesign.size());
    for (const ControlDesign& design : windowDesign)
        controls_.emplace_back(design);
}

Control* Form1::find(std::string_view name)
{
    auto it = std::find_if(controls_.begin(), controls_.end(),
                           [name](const Control& c) { return c.name() == name; });
    return it == controls_.end() ? nullptr : &*it;
}

const Control* Form1::find(std::string_view name) const
{
    return const_cast<Form1*>(this)->find(name);
}

} // namespace nablo

// The form description parser on arbitrary text: it may reject the text with EParserError (or
// another Exception), never crash, recurse without bound or hang.
#include "framework/base/exceptions.h"
#include "framework/base/form_reader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

size_t gSink;  // keeps the parse observable

size_t Count(const vt::TObjectDesc& o)
{
    size_t n = 1 + o.Props.size() + o.Name.size() + o.ClassName.size();
    for (const auto& c : o.Children)
        n += Count(c);
    return n;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        vt::TObjectDesc root =
            vt::ParseFormDescription(std::string_view(reinterpret_cast<const char*>(data), size));
        gSink += Count(root);
    } catch (const vt::Exception&) {
    }
    return 0;
}

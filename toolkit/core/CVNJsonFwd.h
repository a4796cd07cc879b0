#pragma once

// JsonCpp's value type by name only, for public headers. <json/forwards.h>
// would name it too, but brings <istream> and <sstream> along: several
// thousand lines in every file that includes a control.

namespace Json {
class Value;
} // namespace Json

#include "toolkit/component/TObject.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <string_view>
#include <typeinfo>

#include "platform/text/Utf.h"

namespace qb {

std::u16string TObject::ClassName() const {
  const char* mangled = typeid(*this).name();
  int status = 0;
  std::unique_ptr<char, decltype(&std::free)> demangled(
      abi::__cxa_demangle(mangled, nullptr, nullptr, &status), &std::free);
  std::string_view name = status == 0 ? demangled.get() : mangled;
  // Template arguments may hold "::" themselves; only the scope before the
  // class's own name is dropped.
  const auto end = name.find('<');
  const auto scope = name.rfind("::", end);
  if (scope != std::string_view::npos) name.remove_prefix(scope + 2);
  return ToUtf16(name);
}

}  // namespace qb

#include "app/convert/ConverterArguments.h"

#include <string_view>

namespace qb::convert {
namespace {

constexpr std::string_view kOutputSwitch = "-sOutputFile=";

std::string DescriptorPath(int descriptor) { return "/dev/fd/" + std::to_string(descriptor); }

}  // namespace

ConverterArguments ParseConverterArguments(const std::vector<std::string>& arguments) {
  using Kind = ConverterArguments::Item::Kind;
  ConverterArguments parsed;
  bool outputNamed = false;
  // The output keeps the switch it came with: "-o" also means -dBATCH
  // -dNOPAUSE to Ghostscript.
  auto nameOutput = [&](std::string_view form, const std::string& name) {
    if (outputNamed) throw EConverterUsage("more than one output file is named");
    if (name.empty()) throw EConverterUsage("the output file name is empty");
    outputNamed = true;
    parsed.outputFile = name;
    parsed.items.push_back({Kind::kOutput, std::string(form), 0});
  };
  auto nameInput = [&](const std::string& name) {
    parsed.items.push_back({Kind::kInput, {}, parsed.inputFiles.size()});
    parsed.inputFiles.push_back(name);
  };
  bool inPostScript = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const bool isSwitch = argument.size() > 1 && argument[0] == '-';
    if (inPostScript && !isSwitch) {
      parsed.items.push_back({Kind::kPassed, argument, 0});
      continue;
    }
    inPostScript = false;
    if (argument.starts_with('@')) throw EConverterUsage("argument files (" + argument + ") are not supported");
    if (argument == "--" || argument == "-+" || argument == "-_") {
      throw EConverterUsage("arguments for a file (" + argument + ") are not supported");
    }
    if (argument.starts_with(kOutputSwitch)) {
      nameOutput(kOutputSwitch, argument.substr(kOutputSwitch.size()));
    } else if (argument == "-o") {
      if (i + 1 == arguments.size()) throw EConverterUsage("-o names no output file");
      nameOutput("-o", arguments[++i]);
    } else if (argument.starts_with("-o")) {
      nameOutput("-o", argument.substr(2));
    } else if (argument == "-c") {
      inPostScript = true;
      parsed.items.push_back({Kind::kPassed, argument, 0});
    } else if (argument.starts_with("-f") && argument.size() > 2) {
      nameInput(argument.substr(2));
    } else if (isSwitch || argument == "-") {
      parsed.items.push_back({Kind::kPassed, argument, 0});
    } else {
      nameInput(argument);
    }
  }
  if (!outputNamed) throw EConverterUsage("no output file is named (-sOutputFile=NAME)");
  return parsed;
}

std::vector<std::string> GhostscriptArguments(const ConverterArguments& arguments, int outputDescriptor,
                                              int firstInputDescriptor) {
  using Kind = ConverterArguments::Item::Kind;
  std::vector<std::string> line{"-dSAFER"};
  for (const ConverterArguments::Item& item : arguments.items) {
    switch (item.kind) {
      case Kind::kPassed: line.push_back(item.text); break;
      case Kind::kOutput: line.push_back(item.text + DescriptorPath(outputDescriptor)); break;
      case Kind::kInput: line.push_back(DescriptorPath(firstInputDescriptor + int(item.input))); break;
    }
  }
  return line;
}

}  // namespace qb::convert

#include "plugin_record.h"

#include "text_util.h"

namespace standin {

const Registration* PluginRecord::findAction(std::string_view name) const {
    for (auto it = registrations.rbegin(); it != registrations.rend(); ++it)
        if (equalsFolded(it->name, name)) return &*it;
    return nullptr;
}

std::string typesText(const Registration& registration) {
    if (!registration.types) return "unreadable";
    std::string text;
    for (size_t i = 0; i < kTypeArraySize; ++i) {
        if (i > 0) text += ',';
        text += std::to_string(static_cast<unsigned>((*registration.types)[i]));
    }
    return text;
}

std::string describeRegistration(const Registration& registration) {
    return std::to_string(registration.number) + " " + registration.name +
           " params=" + std::to_string(registration.count) + " types=" + typesText(registration) +
           " fifth=" + std::to_string(registration.fifth) + " hint=\"" + registration.hint + "\"";
}

void exposeRecord(const PluginRecord& record, VariableStore& variables) {
    variables.set("[Host.Title]", record.title);
    variables.set("[Host.Publisher]", record.publisher);
    variables.set("[Host.Hint]", record.hint);
    variables.set("[Host.InfoTitle]", record.infoTitle);
    variables.set("[Host.Description]", record.description);
    variables.set("[Host.RegCount]", std::to_string(record.registrations.size()));
    for (size_t i = 0; i < record.registrations.size(); ++i) {
        const Registration& reg = record.registrations[i];
        const std::string prefix = "[Host.Reg" + std::to_string(i + 1) + ".";
        variables.set(prefix + "Number]", std::to_string(reg.number));
        variables.set(prefix + "Name]", reg.name);
        variables.set(prefix + "Hint]", reg.hint);
        variables.set(prefix + "Count]", std::to_string(reg.count));
        variables.set(prefix + "Types]", typesText(reg));
        variables.set(prefix + "Fifth]", std::to_string(reg.fifth));
    }
}

}  // namespace standin

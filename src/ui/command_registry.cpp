#include "ui/command_registry.h"

#include <stdexcept>
#include <string>

namespace orvel {
namespace {

bool IsWaiting(Waits rule, const CommandRoute& route) {
    const DocumentTarget* document = FindLink<DocumentTarget>(route);
    if (document == nullptr)
        return false;
    switch (rule) {
        case Waits::kNever:
            return false;
        case Waits::kWhileComparing:
            return document->IsComparing();
        case Waits::kWhileMarkingOrComparing:
            return document->IsMarkingOrComparing();
        case Waits::kWhileBusy:
            return document->IsBusy();
    }
    return false;
}

}  // namespace

void CommandRegistry::Add(std::span<const CommandInfo> table) {
    for (const CommandInfo& info : table) {
        if (index_.count(info.id) != 0)
            throw std::logic_error("command added twice: " + std::string(info.id.name));
        index_[info.id] = &rows_.emplace_back(Row{info, {}});
    }
}

void CommandRegistry::Bind(CommandId id, CommandHandler handler) {
    const auto it = index_.find(id);
    if (it == index_.end())
        throw std::logic_error("no command to bind: " + std::string(id.name));
    if (it->second->handler.run)
        throw std::logic_error("command bound twice: " + std::string(id.name));
    it->second->handler = std::move(handler);
}

const CommandRegistry::Row* CommandRegistry::Find(CommandId id) const {
    const auto it = index_.find(id);
    return it == index_.end() ? nullptr : it->second;
}

CommandState CommandRegistry::State(CommandId id, const CommandRoute& route) const {
    const Row* row = Find(id);
    CommandState state;
    if (row == nullptr || !row->handler.update || !row->handler.update(route, state))
        return {false, false, {}};
    // A waiting command keeps the name its update gave it.
    if (IsWaiting(row->info.waits, route)) {
        state.enabled = false;
        state.checked = false;
    }
    return state;
}

bool CommandRegistry::Run(CommandId id, const CommandRoute& route) const {
    if (!State(id, route).enabled)
        return false;
    return Find(id)->handler.run(route);
}

}  // namespace orvel

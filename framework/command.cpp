#include "framework/command.h"

namespace hexmoor::fw {

void CommandTable::On(unsigned id, std::function<void()> run) {
    handlers_.push_back({{id, id}, [run = std::move(run)](unsigned) { run(); }});
}

void CommandTable::OnRange(unsigned first, unsigned last, Handler run) {
    handlers_.push_back({{first, last}, std::move(run)});
}

void CommandTable::Update(unsigned id, Updater update) { updaters_.push_back({{id, id}, std::move(update)}); }

void CommandTable::UpdateRange(unsigned first, unsigned last, Updater update) {
    updaters_.push_back({{first, last}, std::move(update)});
}

bool CommandTable::HasHandler(unsigned id) const {
    for (const auto& e : handlers_)
        if (id >= e.range.first && id <= e.range.last) return true;
    return false;
}

bool CommandTable::HasUpdater(unsigned id) const {
    for (const auto& e : updaters_)
        if (id >= e.range.first && id <= e.range.last) return true;
    return false;
}

bool CommandTable::RunUpdater(CommandState& state) const {
    for (const auto& e : updaters_)
        if (state.id >= e.range.first && state.id <= e.range.last) {
            e.fn(state);
            return true;
        }
    return false;
}

bool CommandTable::RunHandler(unsigned id) const {
    for (const auto& e : handlers_)
        if (id >= e.range.first && id <= e.range.last) {
            e.fn(id);
            return true;
        }
    return false;
}

CommandQuery QueryCommand(std::span<CommandTable* const> route, unsigned id) {
    CommandQuery q;
    q.state.id = id;
    bool updated = false;
    for (const CommandTable* table : route) {
        if (!table) continue;
        if (!updated && table->HasUpdater(id)) {
            table->RunUpdater(q.state);
            updated = true;
        }
        if (!q.handler && table->HasHandler(id)) q.handler = table;
        if (updated && q.handler) break;
    }
    if (!q.handler) q.state.enabled = false;
    return q;
}

bool ExecuteCommand(std::span<CommandTable* const> route, unsigned id) {
    CommandQuery q = QueryCommand(route, id);
    if (!q.handler || !q.state.enabled) return false;
    return q.handler->RunHandler(id);
}

} // namespace hexmoor::fw

#pragma once
// Command routing: each target (a window, the frame, the application) keeps
// a table of command handlers and update handlers. A route is the ordered
// list of tables asked for one command; the first table that knows the id
// decides. A command that no table knows is disabled, so menu items and
// buttons whose work is not there cannot be chosen.

#include <functional>
#include <map>
#include <span>
#include <vector>

namespace hexmoor::fw {

// What an update handler decides for one command.
struct CommandState {
    unsigned id = 0;
    bool enabled = true;
    bool checked = false;
    bool radio = false; // the check shows as a radio mark
};

class CommandTable {
public:
    using Handler = std::function<void(unsigned id)>;
    using Updater = std::function<void(CommandState&)>;

    void On(unsigned id, std::function<void()> run);
    void OnRange(unsigned first, unsigned last, Handler run);
    void Update(unsigned id, Updater update);
    void UpdateRange(unsigned first, unsigned last, Updater update);

    bool HasHandler(unsigned id) const;
    bool HasUpdater(unsigned id) const;
    // Runs the update handler; false when the table has none for the id.
    bool RunUpdater(CommandState& state) const;
    // Runs the handler; false when the table has none for the id.
    bool RunHandler(unsigned id) const;

private:
    struct Range {
        unsigned first, last;
    };
    template <typename F>
    struct Entry {
        Range range;
        F fn;
    };
    std::vector<Entry<Handler>> handlers_;
    std::vector<Entry<Updater>> updaters_;
};

// The outcome of asking a route about one command.
struct CommandQuery {
    CommandState state;
    const CommandTable* handler = nullptr; // the table that runs it, if any
};

// Asks the tables in order. The first table with an update handler for the
// id sets the state; the first table with a handler runs it. Without any
// handler on the route the command is disabled.
CommandQuery QueryCommand(std::span<CommandTable* const> route, unsigned id);

// Runs the command when the route enables it. Returns true when it ran.
bool ExecuteCommand(std::span<CommandTable* const> route, unsigned id);

} // namespace hexmoor::fw

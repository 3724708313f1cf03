#include "runtime/subclass.h"

#include <algorithm>
#include <cstddef>
#include <map>
#include <mutex>
#include <vector>

namespace hexmoor::rt {

namespace {

// --- the window procedure, read and written in the window's own form --------

WNDPROC CurrentProcedure(HWND hwnd, bool wide) {
    return reinterpret_cast<WNDPROC>(wide ? GetWindowLongPtrW(hwnd, GWLP_WNDPROC)
                                          : GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
}

WNDPROC SetProcedure(HWND hwnd, bool wide, WNDPROC proc) {
    const LONG_PTR value = reinterpret_cast<LONG_PTR>(proc);
    return reinterpret_cast<WNDPROC>(wide ? SetWindowLongPtrW(hwnd, GWLP_WNDPROC, value)
                                          : SetWindowLongPtrA(hwnd, GWLP_WNDPROC, value));
}

// --- procedures that stayed in a chain after their object let go -----------

// Keyed by window and by which of our procedures it is (a window can carry
// several). Each entry remembers the procedure that sat on top of ours, so
// that a recycled window handle is never mistaken for the old window.
// Process-wide and guarded: the runtime serves several GUI threads.
struct Orphan {
    SubclassLink link;
    WNDPROC top = nullptr;
};

class OrphanRegistry {
public:
    void Keep(HWND hwnd, WNDPROC entry, const SubclassLink& link, WNDPROC top) {
        const std::lock_guard<std::mutex> lock(lock_);
        orphans_[{hwnd, entry}] = Orphan{link, top};
    }
    bool Find(HWND hwnd, WNDPROC entry, Orphan* out) const {
        const std::lock_guard<std::mutex> lock(lock_);
        const auto it = orphans_.find({hwnd, entry});
        if (it == orphans_.end()) return false;
        *out = it->second;
        return true;
    }
    // The link of `entry` left in the window's chain, when the chain still
    // leads to it: the walk from the current procedure down through the
    // links of our other orphaned procedures on the window reaches `entry`
    // itself, or the procedure that sat on top of it when it let go. The
    // entry goes either way (a stale one belongs to a recycled handle).
    // Bounded: each link is followed at most once.
    bool TakeLive(HWND hwnd, WNDPROC entry, Orphan* out) {
        const std::lock_guard<std::mutex> lock(lock_);
        const auto it = orphans_.find({hwnd, entry});
        if (it == orphans_.end()) return false;
        const Orphan kept = it->second;
        orphans_.erase(it);
        WNDPROC p = CurrentProcedure(hwnd, kept.link.wide);
        for (std::size_t steps = 0; steps <= orphans_.size(); ++steps) {
            if (p == entry || p == kept.top) {
                *out = kept;
                return true;
            }
            const auto next = orphans_.find({hwnd, p});
            if (next == orphans_.end()) break;
            p = next->second.link.previous;
        }
        return false;
    }
    bool Take(HWND hwnd, WNDPROC entry, Orphan* out) {
        const std::lock_guard<std::mutex> lock(lock_);
        const auto it = orphans_.find({hwnd, entry});
        if (it == orphans_.end()) return false;
        if (out) *out = it->second;
        orphans_.erase(it);
        return true;
    }

private:
    mutable std::mutex lock_;
    std::map<std::pair<HWND, WNDPROC>, Orphan> orphans_;
};

OrphanRegistry& Orphans() {
    static OrphanRegistry registry;
    return registry;
}

// --- calls on this thread's stack --------------------------------------------

struct Deferred {
    const void* owner;
    void (*destroy)(void*);
    void* object;
};

thread_local std::vector<const void*> t_calls;
thread_local std::vector<Deferred> t_deferred;

// Frees the deferred owners no call over which is left on the stack.
void FreeUnwound() {
    for (std::size_t i = 0; i < t_deferred.size();) {
        if (CallsOnStack(t_deferred[i].owner) > 0) {
            ++i;
            continue;
        }
        const Deferred d = t_deferred[i];
        t_deferred.erase(t_deferred.begin() + std::ptrdiff_t(i));
        d.destroy(d.object); // may defer more: the list is read again from the start
        i = 0;
    }
}

} // namespace

LRESULT CallSavedProc(const SubclassLink& link, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (!link.previous) return link.wide ? DefWindowProcW(hwnd, msg, wp, lp) : DefWindowProcA(hwnd, msg, wp, lp);
    return link.wide ? CallWindowProcW(link.previous, hwnd, msg, wp, lp)
                     : CallWindowProcA(link.previous, hwnd, msg, wp, lp);
}

bool Subclass::Install(HWND hwnd, WNDPROC entry) {
    if (!hwnd || hwnd_) return false;
    Orphan orphan;
    if (Orphans().TakeLive(hwnd, entry, &orphan)) {
        // Our procedure is still in the window's chain from an earlier owner:
        // its link is taken over, so none of ours is stacked twice or leads
        // to itself.
        hwnd_ = hwnd;
        entry_ = entry;
        link_ = orphan.link;
        return true;
    }
    const bool wide = IsWindowUnicode(hwnd) != FALSE;
    const WNDPROC previous = SetProcedure(hwnd, wide, entry);
    if (!previous) return false;
    hwnd_ = hwnd;
    entry_ = entry;
    link_ = {previous, wide};
    return true;
}

void Subclass::Reinstall() {
    if (!hwnd_ || !link_.previous || CurrentProcedure(hwnd_, link_.wide) == entry_) return;
    const bool wide = IsWindowUnicode(hwnd_) != FALSE;
    if (const WNDPROC previous = SetProcedure(hwnd_, wide, entry_)) link_ = {previous, wide};
}

void Subclass::Remove() {
    const HWND hwnd = hwnd_;
    hwnd_ = nullptr;
    if (!hwnd || !IsWindow(hwnd) || !link_.previous) return;
    const WNDPROC current = CurrentProcedure(hwnd, link_.wide);
    if (current == entry_) {
        SetProcedure(hwnd, link_.wide, link_.previous);
    } else {
        // Another procedure sits on top of ours and will keep calling it.
        Orphans().Keep(hwnd, entry_, link_, current);
    }
}

LRESULT ForwardUnowned(WNDPROC entry, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Orphan orphan;
    if (Orphans().Find(hwnd, entry, &orphan)) {
        const LRESULT result = CallSavedProc(orphan.link, hwnd, msg, wp, lp);
        if (msg == WM_NCDESTROY) Orphans().Take(hwnd, entry, nullptr);
        return result;
    }
    return IsWindowUnicode(hwnd) ? DefWindowProcW(hwnd, msg, wp, lp) : DefWindowProcA(hwnd, msg, wp, lp);
}

SubclassCall::SubclassCall(const void* owner, MSG& record, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
    : record_(record), saved_(record) {
    t_calls.push_back(owner);
    record_.hwnd = hwnd;
    record_.message = msg;
    record_.wParam = wp;
    record_.lParam = lp;
}

SubclassCall::~SubclassCall() {
    record_ = saved_;
    t_calls.pop_back();
    if (!t_deferred.empty()) FreeUnwound();
}

int CallsOnStack(const void* owner) { return int(std::count(t_calls.begin(), t_calls.end(), owner)); }

void FreeWhenUnwound(const void* owner, void (*destroy)(void*), void* object) {
    if (CallsOnStack(owner) > 0)
        t_deferred.push_back({owner, destroy, object});
    else
        destroy(object);
}

} // namespace hexmoor::rt

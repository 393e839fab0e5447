#pragma once
// The drive drop-down's rules, whatever draws it: which drives it lists,
// which one is chosen, and when the user's choice is a change.
#include <string>
#include <vector>

namespace ui {

class DriveChoice {
public:
    // Lists `drives`, the drive of the working folder chosen.
    explicit DriveChoice(std::vector<std::string> drives);

    const std::vector<std::string> &drives() const { return drives_; }
    // The entry shown as chosen, or -1.
    int chosen() const { return chosen_; }
    // The chosen drive's root; with none chosen, the working folder's drive,
    // where the folder list starts too.
    std::string drive() const;

    // Chooses a listed drive ("c:\" is "C:\" on Windows); false, and no
    // change, for a drive not listed.
    bool choose(const std::string &driveRoot);
    // Lists these drives instead, the chosen one staying chosen while it is
    // still listed; otherwise the working folder's drive is chosen.
    void setDrives(std::vector<std::string> drives);
    // The user picked entry `index`: true when that is another drive, the
    // one time the change event fires.
    bool userPicked(int index);

private:
    std::vector<std::string> drives_;
    int chosen_ = -1;
};

} // namespace ui

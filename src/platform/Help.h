#pragma once

namespace lexaroo {

// Opens the help file at its contents or at a numbered topic.
class Help {
public:
    virtual ~Help() = default;
    virtual void ShowContents() = 0;
    virtual void ShowTopic(int topic) = 0;
};

} // namespace lexaroo

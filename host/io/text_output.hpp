// Where a writer's text goes. The writers append to one buffer and hand it
// on whenever it passes a chunk's size, so that the text of a large
// document never sits whole in memory; without a drain the buffer keeps
// the whole text.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tovrins::host {

using TextDrain = std::function<void(std::string_view)>;

class TextOutput {
public:
    // A quarter of a megabyte: the kernel copies each chunk into the file while
    // it is still in the processor's cache (a megabyte took it a third longer).
    static constexpr size_t kChunk = size_t{1} << 18;

    // drain may be null: the text then stays in `text`.
    TextOutput(std::string& text, const TextDrain* drain) : text_(text), drain_(drain)
    {
        if (drain_)
            text_.reserve(kChunk + kChunk / 4);
    }

    std::string& text() { return text_; }
    // Called between pieces of the document: hands a full chunk on.
    void pass()
    {
        if (drain_ && text_.size() >= kChunk)
            handOn();
    }
    // Hands on whatever is left; the writer's last call.
    void finish()
    {
        if (drain_ && !text_.empty())
            handOn();
    }

private:
    void handOn()
    {
        (*drain_)(text_);
        text_.clear(); // keeps its room for the next chunk
    }

    std::string& text_;
    const TextDrain* drain_;
};

} // namespace tovrins::host

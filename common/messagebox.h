#pragma once

#include <QString>

#include <deque>
#include <functional>
#include <vector>

namespace common {

enum class BoxIcon { None, Information, Exclamation, Question, Stop };
enum class BoxButtons { Ok, YesNo };
enum class BoxAnswer { Ok, Yes, No };

struct BoxRequest
{
    QString text;
    QString caption;
    BoxIcon icon = BoxIcon::None;
    BoxButtons buttons = BoxButtons::Ok;
};

using BoxHandler = std::function<BoxAnswer(const BoxRequest&)>;

// Every modal box of the three programs goes through here. Without a handler
// of its own a real QMessageBox is shown and its answer returned.
BoxAnswer showMessageBox(const QString& text, const QString& caption, BoxIcon icon = BoxIcon::None,
                         BoxButtons buttons = BoxButtons::Ok);

// Replaces the handler and returns the previous one; an empty handler brings
// back the real boxes.
BoxHandler setMessageBoxHandler(BoxHandler handler);

// For tests: while it lives, every box is recorded instead of shown and
// answered from `answers` (Ok, or Yes for a Yes/No box, when it runs dry).
class MessageBoxRecorder
{
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<BoxRequest> boxes;
    std::deque<BoxAnswer> answers;

    // Called inside the box, before it is answered: lets a test look at the
    // windows while the box is "on screen".
    std::function<void(const BoxRequest&)> onBox;

    int count() const { return static_cast<int>(boxes.size()); }
    const BoxRequest& last() const { return boxes.back(); }
    void clear() { boxes.clear(); }

private:
    BoxHandler previous_;
};

} // namespace common

#pragma once

#include <string>
#include <string_view>

// Builds the JSON text the page reads: objects and arrays written in order,
// commas placed by the writer.
class JsonOut {
  public:
    JsonOut& Open(char bracket);
    JsonOut& Close(char bracket);
    // The key of the next value inside an object.
    JsonOut& Key(std::string_view key);
    JsonOut& Value(std::string_view text);
    JsonOut& Value(const char* text) { return Value(std::string_view(text)); }
    JsonOut& Value(double number);
    JsonOut& Value(int number) { return Value(static_cast<double>(number)); }
    // Exact, however large: offsets in a file.
    JsonOut& Value(long long number);
    JsonOut& Value(bool flag);

    const std::string& Text() const { return text_; }
    void Reset() {
        text_.clear();
        needComma_ = false;
    }

  private:
    void Separate();

    std::string text_;
    bool needComma_ = false;
};

#include "RegistryScript.h"

#include <cctype>

namespace utility {

namespace {

bool EqualNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

struct Token {
    enum class Kind { End, Word, Quoted, Open, Close, Equals } kind = Kind::End;
    std::string text;
};

class Parser {
public:
    Parser(const std::string& text, const std::vector<ScriptVariable>& variables)
        : text_(text), variables_(variables) {}

    bool Parse(Script& script) {
        for (;;) {
            Token t;
            if (!Next(t)) return false;
            if (t.kind == Token::Kind::End) return true;
            if (t.kind != Token::Kind::Word) return Fail("a root key name was expected");
            ScriptRoot root;
            root.name = t.text;
            if (!Expect(Token::Kind::Open, "'{' after the root key")) return false;
            if (!ParseBody(root.keys, nullptr)) return false;
            script.roots.push_back(std::move(root));
        }
    }

    const std::string& error() const { return error_; }

private:
    bool Fail(const std::string& why) {
        if (error_.empty()) error_ = why + " (at offset " + std::to_string(pos_) + ")";
        return false;
    }

    // Keys up to the closing brace; values too when the body is a key's.
    bool ParseBody(std::vector<ScriptKey>& keys, std::vector<ScriptValue>* values) {
        for (;;) {
            Token t;
            if (!Next(t)) return false;
            if (t.kind == Token::Kind::Close) return true;
            if (t.kind == Token::Kind::End) return Fail("'}' is missing");
            if (t.kind == Token::Kind::Word && values && EqualNoCase(t.text, "val")) {
                ScriptValue value;
                if (!NextName(value.name, "a value name after 'val'")) return false;
                if (!Expect(Token::Kind::Equals, "'=' after the value name")) return false;
                if (!ParseData(value.data)) return false;
                values->push_back(std::move(value));
                continue;
            }
            ScriptKey key;
            if (t.kind == Token::Kind::Word) {
                if (EqualNoCase(t.text, "NoRemove")) key.removal = ScriptKey::Removal::NoRemove;
                if (EqualNoCase(t.text, "ForceRemove")) key.removal = ScriptKey::Removal::ForceRemove;
                if (EqualNoCase(t.text, "Delete")) key.removal = ScriptKey::Removal::Delete;
                if (key.removal != ScriptKey::Removal::Normal && !Next(t)) return false;
            }
            if (t.kind != Token::Kind::Word && t.kind != Token::Kind::Quoted) return Fail("a key name was expected");
            key.name = t.text;
            if (key.name.empty() || key.name.find('\\') != std::string::npos) return Fail("a bad key name");

            Token after;
            if (!Peek(after)) return false;
            if (after.kind == Token::Kind::Equals) {
                Next(after);
                if (!ParseData(key.defaultData)) return false;
                key.hasDefault = true;
                if (!Peek(after)) return false;
            }
            if (after.kind == Token::Kind::Open) {
                Next(after);
                if (!ParseBody(key.subkeys, &key.values)) return false;
            }
            keys.push_back(std::move(key));
        }
    }

    // "s 'text'": the one type the library's scripts use.
    bool ParseData(std::string& data) {
        Token type;
        if (!Next(type)) return false;
        if (type.kind != Token::Kind::Word || !EqualNoCase(type.text, "s")) return Fail("only string values ('s') are known");
        Token value;
        if (!Next(value)) return false;
        if (value.kind != Token::Kind::Quoted && value.kind != Token::Kind::Word) return Fail("a value was expected");
        data = value.text;
        return true;
    }

    bool NextName(std::string& name, const char* what) {
        Token t;
        if (!Next(t)) return false;
        if (t.kind != Token::Kind::Word && t.kind != Token::Kind::Quoted) return Fail(std::string(what));
        name = t.text;
        return true;
    }

    bool Expect(Token::Kind kind, const char* what) {
        Token t;
        if (!Next(t)) return false;
        if (t.kind != kind) return Fail(std::string("expected ") + what);
        return true;
    }

    bool Peek(Token& t) {
        const size_t saved = pos_;
        const bool ok = Next(t);
        pos_ = saved;
        return ok;
    }

    bool Next(Token& t) {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
        t = Token{};
        if (pos_ >= text_.size()) return true;
        const char c = text_[pos_];
        std::string raw;
        if (c == '\'') {
            // '' inside quotes stands for one quote.
            ++pos_;
            for (;;) {
                if (pos_ >= text_.size()) return Fail("a quoted text is not closed");
                if (text_[pos_] == '\'') {
                    if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                        raw += '\'';
                        pos_ += 2;
                        continue;
                    }
                    ++pos_;
                    break;
                }
                raw += text_[pos_++];
            }
            t.kind = Token::Kind::Quoted;
        } else {
            // Words end at white space only, so "{GUID}" is a name and a
            // lone "{", "}" or "=" is punctuation.
            while (pos_ < text_.size() && !std::isspace(static_cast<unsigned char>(text_[pos_])) &&
                   text_[pos_] != '\'') {
                raw += text_[pos_++];
            }
            if (raw == "{" || raw == "}" || raw == "=") {
                t.kind = raw == "{" ? Token::Kind::Open : raw == "}" ? Token::Kind::Close : Token::Kind::Equals;
                return true;
            }
            t.kind = Token::Kind::Word;
        }
        return Substitute(raw, t.text);
    }

    // "%NAME%" becomes the variable's value, "%%" one percent sign.
    bool Substitute(const std::string& raw, std::string& out) {
        out.clear();
        for (size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] != '%') {
                out += raw[i];
                continue;
            }
            const size_t end = raw.find('%', i + 1);
            if (end == std::string::npos) return Fail("a '%' is not closed");
            const std::string name = raw.substr(i + 1, end - i - 1);
            if (name.empty()) {
                out += '%';
            } else {
                const ScriptVariable* found = nullptr;
                for (const ScriptVariable& v : variables_) {
                    if (EqualNoCase(v.name, name)) found = &v;
                }
                if (!found) return Fail("unknown variable %" + name + "%");
                out += found->value;
            }
            i = end;
        }
        return true;
    }

    const std::string& text_;
    const std::vector<ScriptVariable>& variables_;
    size_t pos_ = 0;
    std::string error_;
};

std::string Join(const std::string& parent, const std::string& name) {
    return parent.empty() ? name : parent + "\\" + name;
}

long RegisterKey(const ScriptKey& key, const std::string& parent, RegistryStore& store) {
    const std::string path = Join(parent, key.name);
    if (key.removal == ScriptKey::Removal::Delete) {
        const long result = store.DeleteTree(path);
        return result == kErrorFileNotFound ? 0 : result;
    }
    if (key.removal == ScriptKey::Removal::ForceRemove) {
        const long result = store.DeleteTree(path);
        if (result != 0 && result != kErrorFileNotFound) return result;
    }
    if (long result = store.CreateKey(path)) return result;
    if (key.hasDefault) {
        if (long result = store.SetString(path, "", key.defaultData)) return result;
    }
    for (const ScriptValue& value : key.values) {
        if (long result = store.SetString(path, value.name, value.data)) return result;
    }
    for (const ScriptKey& subkey : key.subkeys) {
        if (long result = RegisterKey(subkey, path, store)) return result;
    }
    return 0;
}

long UnregisterKey(const ScriptKey& key, const std::string& parent, RegistryStore& store) {
    if (key.removal == ScriptKey::Removal::Delete) return 0;
    const std::string path = Join(parent, key.name);
    for (const ScriptKey& subkey : key.subkeys) {
        if (long result = UnregisterKey(subkey, path, store)) return result;
    }
    for (const ScriptValue& value : key.values) {
        const long result = store.DeleteValue(path, value.name);
        if (result != 0 && result != kErrorFileNotFound) return result;
    }
    if (key.removal == ScriptKey::Removal::NoRemove) return 0;
    const long result = store.DeleteKey(path);
    return result == kErrorFileNotFound ? 0 : result;
}

}  // namespace

bool ParseScript(const std::string& text, const std::vector<ScriptVariable>& variables, Script& script,
                 std::string& error) {
    Parser parser(text, variables);
    script = Script{};
    if (parser.Parse(script)) return true;
    error = parser.error();
    return false;
}

int32_t HResultFromWin32(long code) {
    if (code <= 0) return static_cast<int32_t>(code);
    return static_cast<int32_t>((static_cast<uint32_t>(code) & 0xFFFFu) | 0x80070000u);
}

int32_t RegisterScript(const ScriptRoot& root, RegistryStore& store) {
    for (const ScriptKey& key : root.keys) {
        if (long result = RegisterKey(key, "", store)) return HResultFromWin32(result);
    }
    return 0;
}

int32_t UnregisterScript(const ScriptRoot& root, RegistryStore& store) {
    for (const ScriptKey& key : root.keys) {
        if (long result = UnregisterKey(key, "", store)) return HResultFromWin32(result);
    }
    return 0;
}

}  // namespace utility

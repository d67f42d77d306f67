#include "cli/ManPage.h"

#include <cctype>
#include <sstream>
#include <vector>

namespace {
// Text safe in a roff paragraph: backslashes and hyphens escaped, no line that starts a request.
std::string roff(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '\\')
            escaped += "\\e";
        else if (c == '-')
            escaped += "\\-";
        else
            escaped += c;
    }
    if (!escaped.empty() && (escaped[0] == '.' || escaped[0] == '\'')) escaped = "\\&" + escaped;
    return escaped;
}

std::string upper(std::string text) {
    for (char& c : text) c = char(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::vector<const CLI::App*> subcommandsOf(const CLI::App& app) {
    return app.get_subcommands([](const CLI::App*) { return true; });
}

bool takesValue(const CLI::Option& option) { return option.get_type_size() != 0; }

// "\fB-o\fR, \fB--output\fR \fIFILE\fR" or "\fISUBCOMMAND\fR" for a positional.
std::string optionLabel(const CLI::Option& option) {
    if (!option.nonpositional()) return "\\fI" + roff(option.get_name()) + "\\fR";
    std::string label;
    for (const std::string& name : option.get_snames())
        label += (label.empty() ? "" : ", ") + std::string("\\fB\\-") + roff(name) + "\\fR";
    for (const std::string& name : option.get_lnames())
        label += (label.empty() ? "" : ", ") + std::string("\\fB\\-\\-") + roff(name) + "\\fR";
    if (takesValue(option)) label += " \\fI" + roff(option.get_type_name()) + "\\fR";
    return label;
}

void writeOptions(std::ostream& page, const CLI::App& app) {
    for (const CLI::Option* option : app.get_options()) {
        std::string description = option->get_description();
        if (!option->get_default_str().empty())
            description += " (default: " + option->get_default_str() + ")";
        page << ".TP\n" << optionLabel(*option) << "\n" << roff(description) << "\n";
    }
}

// Every option name of the app, for the completion's word list.
std::string optionWords(const CLI::App& app) {
    std::string words;
    for (const CLI::Option* option :
         app.get_options([](const CLI::Option* candidate) { return candidate->nonpositional(); })) {
        for (const std::string& name : option->get_snames()) words += " -" + name;
        for (const std::string& name : option->get_lnames()) words += " --" + name;
    }
    return words.empty() ? words : words.substr(1);
}

// Case patterns for the options whose value is a file ("FILE") or a folder ("DIR").
std::string pathPatterns(const CLI::App& app, const std::string& typeName) {
    std::string patterns;
    for (const CLI::Option* option : app.get_options()) {
        if (option->get_type_name() != typeName) continue;
        for (const std::string& name : option->get_snames()) patterns += "|-" + name;
        for (const std::string& name : option->get_lnames()) patterns += "|--" + name;
    }
    return patterns.empty() ? patterns : patterns.substr(1);
}

// The completion of one app's words: after a FILE or DIR option, paths; else its options.
void writeCompletionCase(std::ostream& script, const CLI::App& app, const std::string& indent) {
    const std::string files = pathPatterns(app, "FILE"), folders = pathPatterns(app, "DIR");
    script << indent << "case \"$previous\" in\n";
    if (!files.empty())
        script << indent << "  " << files
               << ") COMPREPLY=($(compgen -f -- \"$current\")); return ;;\n";
    if (!folders.empty())
        script << indent << "  " << folders
               << ") COMPREPLY=($(compgen -d -- \"$current\")); return ;;\n";
    script << indent << "esac\n";
}
}  // namespace

std::string manPage(const CLI::App& app, const std::string& version,
                    const std::vector<ManSection>& sections) {
    const std::string name = app.get_name();
    const std::vector<const CLI::App*> subcommands = subcommandsOf(app);
    std::ostringstream page;
    page << ".TH " << roff(upper(name)) << " 1 \"\" \"" << roff(version) << "\" \"User Commands\"\n"
         << ".ad l\n.nh\n"
         << ".SH NAME\n"
         << roff(name) << " \\- " << roff(app.get_description()) << "\n"
         << ".SH SYNOPSIS\n"
         << ".B " << roff(name) << "\n";
    if (subcommands.empty())
        page << "[\\fIOPTIONS\\fR]\n";
    else
        page << "\\fISUBCOMMAND\\fR [\\fIOPTIONS\\fR]\n";
    page << ".SH DESCRIPTION\n" << roff(app.get_description()) << ".\n";
    page << ".SH OPTIONS\n";
    writeOptions(page, app);
    if (!subcommands.empty()) {
        page << ".SH SUBCOMMANDS\n";
        for (const CLI::App* subcommand : subcommands) {
            page << ".SS \"" << roff(name + " " + subcommand->get_name()) << "\"\n"
                 << roff(subcommand->get_description()) << ".\n";
            writeOptions(page, *subcommand);
        }
    }
    for (const ManSection& section : sections) {
        page << ".SH " << roff(section.title) << "\n";
        if (!section.text.empty()) page << roff(section.text) << "\n";
        for (const auto& [tag, description] : section.items)
            page << ".TP\n\\fB" << roff(tag) << "\\fR\n" << roff(description) << "\n";
    }
    if (!app.get_footer().empty()) page << ".SH NOTES\n" << roff(app.get_footer()) << "\n";
    return page.str();
}

std::string bashCompletion(const CLI::App& app) {
    const std::string name = app.get_name();
    std::string function = "_" + name;
    for (char& c : function)
        if (c == '-') c = '_';
    std::ostringstream script;
    script << "# bash completion for " << name << ", made from its option table\n"
           << function << "() {\n"
           << "  local current=${COMP_WORDS[COMP_CWORD]} previous=${COMP_WORDS[COMP_CWORD-1]}\n";
    const std::vector<const CLI::App*> subcommands = subcommandsOf(app);
    std::string names;
    for (const CLI::App* subcommand : subcommands) names += " " + subcommand->get_name();
    if (!subcommands.empty()) {
        script << "  local subcommand= word\n"
               << "  for word in \"${COMP_WORDS[@]:1:COMP_CWORD-1}\"; do\n"
               << "    case \"$word\" in ";
        std::string alternatives;
        for (const CLI::App* subcommand : subcommands)
            alternatives += (alternatives.empty() ? "" : "|") + subcommand->get_name();
        script << alternatives << ") subcommand=$word; break ;; esac\n"
               << "  done\n"
               << "  case \"$subcommand\" in\n";
        for (const CLI::App* subcommand : subcommands) {
            script << "    " << subcommand->get_name() << ")\n";
            writeCompletionCase(script, *subcommand, "      ");
            std::string words = optionWords(*subcommand);
            if (subcommand->get_name() == "help") words += names;
            script << "      COMPREPLY=($(compgen -W \"" << words << "\" -- \"$current\")) ;;\n";
        }
        script << "    *) COMPREPLY=($(compgen -W \"" << optionWords(app) << names
               << "\" -- \"$current\")) ;;\n"
               << "  esac\n";
    } else {
        writeCompletionCase(script, app, "  ");
        script << "  COMPREPLY=($(compgen -W \"" << optionWords(app) << "\" -- \"$current\"))\n";
    }
    script << "}\ncomplete -F " << function << " " << name << "\n";
    return script.str();
}

// How every command reads its arguments and words its usage errors, so the three behave alike.
#include "CliCommand.h"

#include <algorithm>
#include <cstring>
#include <ostream>

int Fail(std::ostream& err, const std::string& text)
{
    err << kCliName << ": " << text << "\n";
    return kExitFailure;
}

int UsageError(std::ostream& err, const std::string& command, const std::string& error)
{
    err << kCliName << ": " << command << ": " << error << "\n"
        << "Try '" << kCliName << " " << command << " --help'.\n";
    return kExitFailure;
}

std::string UnknownValue(const std::string& kind, const std::string& value, const std::string& option,
                         const std::string& choices)
{
    return "unknown " + kind + " '" + value + "' for " + option + " (one of " + choices + ")";
}

bool ParseSmallDecimal(const std::string& text, int& value)
{
    if (text.empty() || text.size() > 6)
        return false;
    value = 0;
    for (const char c : text)
    {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

bool CliArgument::Is(const char* name) const
{
    return option && std::strcmp(option, name) == 0;
}

CCliArguments::CCliArguments(const std::vector<std::string>& args, std::vector<CliOption> options, Operands operands)
    : m_args(args), m_options(std::move(options)), m_operands(operands)
{
    m_options.push_back({"--help"});
}

bool CCliArguments::Next(CliArgument& argument)
{
    argument = CliArgument();
    if (m_next == m_args.size())
        return false;
    const std::string& word = m_args[m_next++];
    if (m_onlyOperands || IsOperandWord(word))
    {
        argument.value = word;
        return true;
    }
    if (m_operands == Operands::Files && word == "--")
    {
        m_onlyOperands = true;
        return Next(argument);
    }

    const std::size_t equals = word.find('=');
    const std::string name = word.substr(0, equals);
    const CliOption* option = FindNamedEntry(m_options, name == "-h" ? "--help" : name);
    if (!option)
    {
        m_error = "unknown option '" + name + "'";
        return false;
    }
    const std::string quoted = "option '" + std::string(option->name) + "'";
    if (option->value == CliValue::None)
    {
        if (equals != std::string::npos)
        {
            m_error = quoted + " takes no value";
            return false;
        }
    }
    else
    {
        if (equals != std::string::npos)
            argument.value = word.substr(equals + 1);
        else if (m_next < m_args.size())
            argument.value = m_args[m_next++];
        if (argument.value.empty())
        {
            m_error = quoted + " needs a value";
            return false;
        }
    }
    if (option->value == CliValue::Single)
    {
        if (std::find(m_given.begin(), m_given.end(), option->name) != m_given.end())
        {
            m_error = quoted + " given more than once";
            return false;
        }
        m_given.push_back(option->name);
    }
    argument.option = option->name;
    return true;
}

bool CCliArguments::IsOperandWord(const std::string& word) const
{
    // format reads stdin only when no FILE is given, so "-" is no FILE.
    const std::size_t shortest = m_operands == Operands::Files ? 1 : 2;
    return word.size() < shortest || word[0] != '-';
}

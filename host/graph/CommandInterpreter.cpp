#include "graph/CommandInterpreter.h"

#include "graph/EvaluationManager.h"

#include <iostream>
#include <optional>
#include <sstream>

namespace kavo::host::graph {
namespace {

std::vector<std::string> splitStatements(const std::string& commandLine)
{
    std::vector<std::string> statements;
    std::istringstream stream(commandLine);
    std::string statement;
    while (std::getline(stream, statement, ';'))
        statements.push_back(statement);
    return statements;
}

// Words separated by any blank space: spaces, tabs, line breaks.
std::vector<std::string> splitWords(const std::string& statement)
{
    std::vector<std::string> words;
    std::istringstream stream(statement);
    std::string word;
    while (stream >> word)
        words.push_back(word);
    return words;
}

std::optional<bool> booleanValue(const std::string& word)
{
    if (word == "1" || word == "true" || word == "on" || word == "yes")
        return true;
    if (word == "0" || word == "false" || word == "off" || word == "no")
        return false;
    return std::nullopt;
}

std::string joined(const std::vector<std::string>& words)
{
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

} // namespace

MStatus CommandInterpreter::execute(const std::string& commandLine, bool echo)
{
    if (echo)
        std::cerr << commandLine << std::endl;
    for (const std::string& statement : splitStatements(commandLine)) {
        const std::vector<std::string> words = splitWords(statement);
        if (words.empty())
            continue;
        if (MStatus status = executeOne(words); !status)
            return status;
    }
    return MStatus::kSuccess;
}

MStatus CommandInterpreter::executeOne(const std::vector<std::string>& words)
{
    if (words.front() == "evaluationManager")
        return evaluationManager(words);
    return fail("unknown command: " + joined(words));
}

MStatus CommandInterpreter::evaluationManager(const std::vector<std::string>& words)
{
    bool invalidate = false;
    for (size_t k = 1; k < words.size(); k += 2) {
        if (words[k] != "-invalidate")
            return fail("evaluationManager: unknown flag: " + words[k]);
        if (k + 1 == words.size())
            return fail("evaluationManager: -invalidate needs a value");
        std::optional<bool> value = booleanValue(words[k + 1]);
        if (!value)
            return fail("evaluationManager: -invalidate takes a boolean, not: " + words[k + 1]);
        invalidate = invalidate || *value;
    }
    if (invalidate)
        EvaluationManager::instance().invalidate();
    return MStatus::kSuccess;
}

MStatus CommandInterpreter::fail(const std::string& message)
{
    std::cerr << "// Error: " << message << std::endl;
    return MStatus::kFailure;
}

} // namespace kavo::host::graph

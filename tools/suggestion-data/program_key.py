"""The key by which the suggestion finds a program (programKey in
catalogue/CategorySuggestion.cpp), shared by the scripts that make its data files so that the
names they keep and drop are the ones the program will look up."""
import re

VERSION_WORD = re.compile(r"^(v?\d+[a-z]?|x(64|86)|(32|64)bit|win(32|64))$")


def program_key(name):
    """The suggestion's programKey: the letters and digits of the name's words, case folded,
    its version words left out after the first and a portable edition's mark at its end ("GIMP
    2.10", "GIMPPortable" and "gimp" give "gimp")."""
    words = re.findall(r"[^\W_]+", name.replace("+", "p").casefold())
    words = words[:1] + [w for w in words[1:] if not VERSION_WORD.match(w)]
    portable = "portable"
    if len(words) > 2 and words[-2:] == [portable, "edition"]:
        words.pop()
    if len(words) > 1 and words[-1] == portable:
        words.pop()
    elif len(words) == 1 and len(words[0]) > len(portable) + 1 and words[0].endswith(portable):
        words[0] = words[0][:-len(portable)]
    return "".join(words)

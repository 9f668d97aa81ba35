// Keeps the text library non-empty until its tables exist.

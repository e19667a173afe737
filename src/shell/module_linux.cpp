// Placeholder: the module's start-up and shut-down come with the shell.

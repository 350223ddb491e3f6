<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AtomicFile</name>
    <message>
        <source>cannot make its folder</source>
        <translation>no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>cannot create a file: %1</source>
        <translation>no se puede crear un archivo: %1</translation>
    </message>
    <message>
        <source>cannot write: %1</source>
        <translation>no se puede escribir: %1</translation>
    </message>
    <message>
        <source>cannot write to disk</source>
        <translation>no se puede escribir en el disco</translation>
    </message>
    <message>
        <source>cannot replace the file</source>
        <translation>no se puede reemplazar el archivo</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Paytick&apos;s path holds a control character or %, which a login cannot start; install Paytick or move it to another path</source>
        <translation>La ruta de Paytick contiene un carácter de control o %, que un inicio de sesión no puede ejecutar; instale Paytick o muévalo a otra ruta</translation>
    </message>
</context>
<context>
    <name>BackButton</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
</context>
<context>
    <name>ColorSection</name>
    <message>
        <source>Number color</source>
        <translation>Color de cifras</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: paytick [--help] [--version] [Qt options]
Shows how much you have earned since you pressed Start Earning, on a
small panel that floats above your other windows.

  -h, --help     show this help and quit
  -v, --version  show the version and quit
</source>
        <translation>Uso: paytick [--help] [--version] [opciones de Qt]
Muestra en un pequeño panel sobre sus otras ventanas cuánto ha ganado
desde que pulsó «Empezar a ganar».

  -h, --help     mostrar esta ayuda y salir
  -v, --version  mostrar la versión y salir
</translation>
    </message>
    <message>
        <source>paytick: unknown option %1</source>
        <translation>paytick: opción desconocida %1</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: neither DISPLAY nor WAYLAND_DISPLAY is set.
</source>
        <translation>Paytick necesita una sesión gráfica: no están definidas ni DISPLAY ni WAYLAND_DISPLAY.
</translation>
    </message>
    <message>
        <source>Paytick needs a graphical desktop session: the display %1 cannot be opened.
</source>
        <translation>Paytick necesita una sesión gráfica: no se puede abrir la pantalla %1.
</translation>
    </message>
</context>
<context>
    <name>CountFrom</name>
    <message>
        <source>Since start</source>
        <translation>Desde el inicio</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Esta semana</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Este mes</translation>
    </message>
</context>
<context>
    <name>CountSection</name>
    <message>
        <source>Count</source>
        <translation>Periodo</translation>
    </message>
</context>
<context>
    <name>CounterFace</name>
    <message>
        <source>%1 left</source>
        <translation>Quedan %1</translation>
    </message>
</context>
<context>
    <name>CounterView</name>
    <message>
        <source>Resumes %1</source>
        <translation>Sigue %1</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Amount hidden</source>
        <translation>Importe oculto</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>what the display stands at, then the pause sign</comment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>CurrencySection</name>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>Symbol %1</source>
        <translation>Símbolo %1</translation>
    </message>
</context>
<context>
    <name>DayHoursRow</name>
    <message>
        <source>%1 from</source>
        <translation>%1: desde</translation>
    </message>
    <message>
        <source>%1 to</source>
        <translation>%1: hasta</translation>
    </message>
    <message>
        <source>%1 break</source>
        <translation>%1: pausa</translation>
    </message>
    <message>
        <source>%1 break from</source>
        <translation>%1: pausa desde</translation>
    </message>
    <message>
        <source>%1 break to</source>
        <translation>%1: pausa hasta</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>«Desde» y «Hasta» deben ser distintos</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>La pausa debe estar dentro del horario</translation>
    </message>
</context>
<context>
    <name>DigitColor</name>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Naranja</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
</context>
<context>
    <name>EmojiChooser</name>
    <message>
        <source>Any</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>Any emoji</source>
        <translation>Otro emoji</translation>
    </message>
    <message>
        <source>Type or paste one emoji</source>
        <translation>Escriba o pegue un emoji</translation>
    </message>
</context>
<context>
    <name>FloatingPanel</name>
    <message>
        <source>Hide Amount</source>
        <translation>Ocultar importe</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Iniciar al iniciar sesión</translation>
    </message>
    <message>
        <source>Quit Paytick</source>
        <translation>Salir de Paytick</translation>
    </message>
    <message>
        <source>Paytick could not turn on Start at Login.</source>
        <translation>Paytick no pudo activar «Iniciar al iniciar sesión».</translation>
    </message>
    <message>
        <source>Paytick could not turn off Start at Login.</source>
        <translation>Paytick no pudo desactivar «Iniciar al iniciar sesión».</translation>
    </message>
</context>
<context>
    <name>GoalPictureKind</name>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Emoji</source>
        <translation>Emoji</translation>
    </message>
    <message>
        <source>Image</source>
        <translation>Imagen</translation>
    </message>
</context>
<context>
    <name>GoalProgress</name>
    <message>
        <source>Add an amount in Settings</source>
        <translation>Añada un importe en Configuración</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Reached!</source>
        <translation>¡Conseguido!</translation>
    </message>
    <message>
        <source>Reached %1!</source>
        <translation>¡%1 conseguido!</translation>
    </message>
</context>
<context>
    <name>GoalRow</name>
    <message>
        <source>%1, %2</source>
        <comment>the goal&apos;s text, then how far it is reached</comment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>GoalSection</name>
    <message>
        <source>Goal</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>How much to make</source>
        <translation>Cuánto ganar</translation>
    </message>
    <message>
        <source>What it&apos;s for</source>
        <translation>Para qué</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Enter an amount to start tracking your goal</source>
        <translation>Introduzca un importe para seguir su meta</translation>
    </message>
    <message>
        <source>Enter the amount as a number, like 5000</source>
        <translation>Introduzca el importe como número, p. ej. 5000</translation>
    </message>
</context>
<context>
    <name>ImageChooser</name>
    <message>
        <source>Couldn&apos;t read that image</source>
        <translation>No se pudo leer esa imagen</translation>
    </message>
    <message>
        <source>Change Image…</source>
        <translation>Cambiar imagen…</translation>
    </message>
    <message>
        <source>Upload Image…</source>
        <translation>Subir imagen…</translation>
    </message>
</context>
<context>
    <name>PayPeriod</name>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>Yearly</source>
        <translation>Anual</translation>
    </message>
    <message>
        <source>Hourly</source>
        <translation>Por hora</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>QuitButton</name>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>SaveProblemMark</name>
    <message>
        <source>Settings not saved</source>
        <translation>Configuración no guardada</translation>
    </message>
    <message>
        <source>Paytick can&apos;t save its settings (%1). It keeps trying; what you typed is kept while it runs.</source>
        <translation>Paytick no puede guardar su configuración (%1). Lo sigue intentando; lo que escribió se conserva mientras se ejecute.</translation>
    </message>
</context>
<context>
    <name>SettingsButton</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>cannot keep a copy of the old file as %1: %2</source>
        <translation>no se puede guardar una copia del archivo anterior como %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsView</name>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
</context>
<context>
    <name>SetupView</name>
    <message>
        <source>Salary period</source>
        <translation>Periodo del salario</translation>
    </message>
    <message>
        <source>Start Earning</source>
        <translation>Empezar a ganar</translation>
    </message>
    <message>
        <source>Your salary</source>
        <translation>Su salario</translation>
    </message>
    <message>
        <source>Enter at most %1 a year</source>
        <translation>Como máximo %1 al año</translation>
    </message>
</context>
<context>
    <name>WindowServices</name>
    <message>
        <source>Images (%1)</source>
        <translation>Imágenes (%1)</translation>
    </message>
    <message>
        <source>Choose a Picture</source>
        <translation>Elegir una imagen</translation>
    </message>
</context>
<context>
    <name>WorkingHoursSection</name>
    <message>
        <source>Working hours</source>
        <translation>Horario laboral</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>From and To must differ</source>
        <translation>«Desde» y «Hasta» deben ser distintos</translation>
    </message>
    <message>
        <source>Break</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Break from</source>
        <translation>Pausa desde</translation>
    </message>
    <message>
        <source>Break to</source>
        <translation>Pausa hasta</translation>
    </message>
    <message>
        <source>The break must lie within the hours</source>
        <translation>La pausa debe estar dentro del horario</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>Same hours every day</source>
        <translation>Mismo horario cada día</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Paytick: found no private folder for its lock, so starting it again will open a second panel.
</source>
        <translation>Paytick: no hay carpeta privada para su bloqueo, así que iniciarlo de nuevo abrirá un segundo panel.
</translation>
    </message>
    <message>
        <source>Paytick: quit without saving %1 to %2: %3
</source>
        <translation>Paytick: cerrado sin guardar %1 en %2: %3
</translation>
    </message>
</context>
</TS>
